#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvane {

inline constexpr int kZoneCount = 28;

struct ZoneFiles {
    // The server's club list of the zone, and the device's on every model but
    // the first generation.
    std::string_view catalogueName;
    // The club list of the zone on a first-generation device.
    std::string_view firstGenerationName;
};

extern const std::array<ZoneFiles, kZoneCount> ZoneTable;

// The device file name of `zone` for a device of `modelCode`.
std::string_view DeviceClubListName(int zone, int modelCode);

// The zone whose club list on a device of `modelCode` is called `name`.
std::optional<int> ZoneOfDeviceClubList(std::string_view name, int modelCode);

// Zone 4 also lists courses of three families (China, Canada and Australia,
// which have zones of their own) that no count includes and that the
// first-generation device never stores there.
bool IsLeftOutOfZone4(std::int32_t id);

}  // namespace orvane
