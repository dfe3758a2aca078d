#pragma once

// The compiled-in area tables, for the lookups of AreaTables.cpp only; every
// other reader goes through AreaTables.h.

#include <array>
#include <span>

#include "browser/AreaTables.h"

namespace orvane::area_data {

extern const std::array<Continent, kContinentCount> ContinentTable;
extern const std::array<Country, 39> CountryTable;
extern const std::array<RegionNames, 39> RegionNamesTable;
extern const std::array<RegionRow, 8> JapanRegions;
extern const std::array<RegionRow, 51> UsaRegions;
extern const std::array<RegionRow, 13> CanadaRegions;
extern const std::array<RegionRow, 5> UnitedKingdomRegions;
extern const std::array<RegionRow, 8> AustraliaRegions;
extern const std::array<SubdividedCountry, 5> SubdividedCountryTable;

// A mistyped count or row number is caught where the table is written.
constexpr bool RowsAgree(std::span<const RegionRow> rows) {
    std::int32_t number = 1;
    for (const RegionRow& row : rows) {
        if (row.regionNumber != number++) return false;
        if (row.subAreaCount < 1 ||
            row.subAreas.size() != static_cast<std::size_t>(row.subAreaCount))
            return false;
        if (row.code.size() != 2) return false;
    }
    return true;
}

}  // namespace orvane::area_data
