#pragma once

#include <cstdint>
#include <string>

#include "device/DeviceLink.h"
#include "shell/Language.h"

namespace orvane {

// How many more maps the device can take, estimated from its free bytes with
// a reserve and a size per map that depend on the model. A device with less
// free space than the reserve takes none.
std::int32_t RemainingMapCount(std::uint32_t freeBytes, int modelCode);

// "[Remained Memory Space(Map Count)]: <n>", or "_____" for the number while
// no version file has been read.
std::string MemoryLine(const DeviceLink& device, std::int32_t remainingMaps, Language language);

}  // namespace orvane
