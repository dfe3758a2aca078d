#pragma once

#include <filesystem>
#include <optional>

#include "device/DeviceLink.h"
#include "device/VolumeSource.h"

namespace orvane {

// The device's version values without connecting: the named folder's version
// file, or the first discovered device's.
struct DeviceInfo {
    DeviceLink link;
    // ReadVersionFile's result; result::Failed when no device was found.
    int versionResult = 0;
    // 0 while no device is known.
    std::uint32_t freeBytes = 0;
};

DeviceInfo ReadDeviceInfo(VolumeSource& volumes,
                          const std::optional<std::filesystem::path>& namedFolder);

}  // namespace orvane
