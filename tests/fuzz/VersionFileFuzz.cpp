// The device's version file, System/Ver.ini.
#include "FuzzSupport.h"
#include "device/DevicePaths.h"
#include "device/VersionFile.h"
#include "util/SafeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    DeviceLink link;
    const std::string text = fuzz::Text(data, size);
    const int result = ApplyVersionText(link, text);
    fuzz::Require(link.VersionText.size() <= kVersionTextLength, "version text within 19 bytes");
    if (result != 0) return 0;
    UpdateDeviceVersionLine(link);
    // Whatever the file says, the folders it chooses stay below the root.
    fuzz::Require(IsSafeFileName(link.CourseFolder), "course folder is one plain name");
    const std::string path = DevicePathFor(link, "ClubListKorea.dat");
    fuzz::Require(!path.empty() && path.find("..") == std::string::npos, "club list path");
    return 0;
}
