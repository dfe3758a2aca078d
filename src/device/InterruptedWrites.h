#pragma once

#include <filesystem>

#include "device/DeviceLink.h"

namespace orvane {

// Removes the temporary files that writes of ours, killed half-way, left in
// the device's folders we write (System, the club-list folders, the map
// folders) and in the working folder. Files of any other name stay. Returns
// how many were removed.
int RemoveInterruptedWrites(const DeviceLink& device, const std::filesystem::path& workFolder);

}  // namespace orvane
