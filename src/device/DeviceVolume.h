#pragma once

#include <cstdint>
#include <filesystem>

#include "device/DeviceLink.h"

namespace orvane {

// Free bytes of the device volume. A volume with 4 GiB or more free reports
// 0xFFFFFFFF; a failure reports 0 and sets LastDeviceError.
std::uint32_t FreeBytes(DeviceLink& link);

// True when `folder` exists or could be created. Only the last level is ever
// created: a missing parent is a failure that creates nothing.
bool EnsureFolder(DeviceLink& link, const std::filesystem::path& folder);

}  // namespace orvane
