#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/CourseNode.h"
#include "catalogue/ZoneTable.h"

namespace orvane {

// The first bytes of one line of the server's first-generation club list,
// used to recognise device records that match nothing else.
struct ReferenceRecord {
    std::int32_t byteCount = 0;  // 0..36
    std::string name;
    std::array<std::uint8_t, 36> raw{};
};

template <typename T>
using PerZone = std::array<T, kZoneCount>;

// The course lists of all zones, each in file order.
struct CatalogueData {
    PerZone<std::vector<CourseNode>> CatalogueList;
    PerZone<std::vector<CourseNode>> DeviceList;
    // Only fileKey and name are set.
    PerZone<std::vector<CourseNode>> AliasList;
    PerZone<std::vector<ReferenceRecord>> ReferenceList;
    // Length of the last server club list read for each zone; the text itself
    // is dropped once parsed.
    PerZone<std::size_t> CatalogueTextLength{};
    // The device club list of each zone: as read until parsed, as rebuilt
    // afterwards.
    PerZone<std::string> DeviceText;
};

}  // namespace orvane
