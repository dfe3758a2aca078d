#include "device/VersionFile.h"

#include <unistd.h>

#include <array>
#include <cerrno>

#include "device/DeviceFileAccess.h"
#include "device/DevicePaths.h"
#include "shell/ResultCode.h"
#include "util/Scan.h"
#include "util/Text.h"

namespace orvane {
namespace {

// The whitespace-delimited token that starts at or after `offset`, as "%s"
// reads it; empty when there is none.
std::string ScanToken(const std::string& text, std::size_t offset) {
    std::string token;
    ScanReader(text, offset).Token(token);
    return token;
}

bool IsKnownSoftwareFamily(std::string_view softwareVersion) {
    for (std::string_view family : {"V2.", "V3.", "V4.", "V5.", "V6.", "V7."}) {
        if (softwareVersion.starts_with(family)) return true;
    }
    return false;
}

}  // namespace

ModelInfo ModelFor(std::string_view hardwareVersion, std::string_view softwareVersion) {
    struct Row {
        std::string_view prefix;
        int modelCode;
        std::string_view courseFolder;
    };
    static constexpr Row kRows[] = {
        {"V2.5.", 4, "Course_V40"}, {"V3.5.", 1, "Course_V40"},  {"V4.0.0", 2, "Course_V40"},
        {"V4.2.0", 3, "Course29"},  {"V4.0.1", 5, "Course_V40"}, {"V5.0.", 6, "Course_V40"},
        {"V4.2.5", 7, "Course30"},
    };
    for (const Row& row : kRows) {
        if (hardwareVersion.starts_with(row.prefix)) return {row.modelCode, row.courseFolder};
    }
    if (hardwareVersion.starts_with("V4.3.0")) {
        return {softwareVersion.starts_with("V6.") ? 9 : 8, "Course_V40"};
    }
    return {0, "Course_V40"};
}

int ApplyVersionText(DeviceLink& link, std::string_view text) {
    text = text.substr(0, std::min(text.size(), kVersionTextLength));
    const std::string versionText(text.substr(0, text.find('\0')));
    link.VersionText = versionText;

    // A version file without tokens must never leave the previous device's
    // versions standing, or a blank file would pass for that device.
    link.SoftwareVersion = ScanToken(versionText, 0);
    link.HardwareVersion.clear();
    link.MarketCode.clear();
    if (!IsKnownSoftwareFamily(link.SoftwareVersion)) return result::Rejected;

    link.HardwareVersion = ScanToken(versionText, kHardwareVersionOffset);
    link.MarketCode = link.HardwareVersion.size() > 6 ? link.HardwareVersion.substr(6, 2) : "";
    const ModelInfo model = ModelFor(link.HardwareVersion, link.SoftwareVersion);
    link.ModelCode = model.modelCode;
    link.CourseFolder = model.courseFolder;
    return result::Ok;
}

void UpdateDeviceVersionLine(DeviceLink& link) {
    link.DeviceVersionLine = Format("Device Version(SW/HW): %s / %s", link.SoftwareVersion.c_str(),
                                    link.HardwareVersion.c_str());
}

int ReadVersionFile(DeviceLink& link) {
    // Reading the version file is what makes a volume the device; until it
    // is read again, no earlier volume is.
    link.DeviceVolumeId = 0;
    const DeviceFile file = OpenDeviceFile(link, DevicePathFor(link, "Ver.ini"));
    const int fd = file.get();
    if (fd < 0) {
        link.LastDeviceError = static_cast<std::uint32_t>(errno);
        return result::Failed;
    }
    // Only the first bytes matter, so a huge or endless file costs nothing.
    std::array<char, kVersionTextLength> buffer{};
    std::size_t filled = 0;
    while (filled < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            link.LastDeviceError = static_cast<std::uint32_t>(errno);
            return result::Failed;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled == 0) return result::Failed;
    RememberDeviceVolume(link);
    return ApplyVersionText(link, std::string_view(buffer.data(), filled));
}

}  // namespace orvane
