#include "device/DeviceInfo.h"

#include "device/DeviceVolume.h"
#include "device/Discovery.h"
#include "device/VersionFile.h"
#include "shell/ResultCode.h"

namespace orvane {

DeviceInfo ReadDeviceInfo(VolumeSource& volumes,
                          const std::optional<std::filesystem::path>& namedFolder) {
    DeviceInfo info;
    info.versionResult = result::Failed;
    if (namedFolder) {
        PickDeviceRoot(info.link, *namedFolder);
        info.versionResult = ReadVersionFile(info.link);
    } else if (FindDevice(info.link, volumes)) {
        info.versionResult = result::Ok;
    }
    if (info.versionResult == result::Ok) UpdateDeviceVersionLine(info.link);
    if (!info.link.DeviceRoot.empty()) info.freeBytes = FreeBytes(info.link);
    return info;
}

}  // namespace orvane
