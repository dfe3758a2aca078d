#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "browser/AreaTables.h"
#include "catalogue/CatalogueData.h"

// Which catalogue courses a view of the area tabs lists, and where a course's
// zone list is.
namespace orvane {

// One zone list to walk and the filter its courses must pass.
struct AreaFill {
    int zone = 0;
    std::int32_t filter = 0;
    MatchKind kind = MatchKind::Korea;

    bool operator==(const AreaFill&) const = default;
};

// `CodeMatches`: whether a course of area code `code` passes `filter` under
// `kind`. A filter of CCCC0000 takes a whole country, CCCCRR00 (subdivided
// countries only) a whole region; Korean filters are region numbers.
bool CodeMatches(std::int32_t code, std::int32_t filter, MatchKind kind);

// `AreaQuery`: the fills of a view, in the order their rows are listed.
// `regionTab` and `subAreaTab` are the selected tabs; a tab the view's strips
// do not show yields no fills (its number would run into the neighbouring
// digits of the filter), and so does the search-results view, whose rows do
// not come from the zone lists.
std::vector<AreaFill> AreaQuery(int selectionCode, int regionTab, int subAreaTab);

// The zone whose `DeviceList` holds the stored copy of a course listed under
// `kind`. Japan, USA and United Kingdom courses: the zone of their country's
// region row at `regionTab`, none when there is no such row.
std::optional<int> DeviceZone(MatchKind kind, int regionTab);

// The zone whose catalogue list holds the courses of `code`; none for a code
// of a Japanese, USA or United Kingdom region that the tables do not have.
std::optional<int> ZoneForArea(std::int32_t code);

// `FindZoneListForArea`: the catalogue list of ZoneForArea(code), or null.
std::vector<CourseNode>* FindZoneListForArea(CatalogueData& data, std::int32_t code);
const std::vector<CourseNode>* FindZoneListForArea(const CatalogueData& data, std::int32_t code);

}  // namespace orvane
