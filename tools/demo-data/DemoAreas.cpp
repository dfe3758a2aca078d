#include "DemoAreas.h"

#include <algorithm>

#include "DemoAreaTables.h"

namespace orvane::demo {
namespace {

// A country without a region table has the single region 0 ("All Areas").
constexpr RegionRow kWholeCountry{"All Areas"};

// Regions without a box of their own share the country's box as strips from
// west to east, in table order.
GeoBox StripOf(const GeoBox& box, int index, int count) {
    const double width = (box.east - box.west) / count;
    return {box.south, box.north, box.west + width * index, box.west + width * (index + 1)};
}

// Sub-areas split their region's box into a grid, row by row from the north.
GeoBox CellOf(const GeoBox& box, int index, int count) {
    int columns = 1;
    while (columns * columns < count) ++columns;
    const int rows = (count + columns - 1) / columns;
    const double height = (box.north - box.south) / rows;
    const double width = (box.east - box.west) / columns;
    const int row = index / columns;
    const int column = index % columns;
    return {box.north - height * (row + 1), box.north - height * row, box.west + width * column,
            box.west + width * (column + 1)};
}

std::int32_t AreaCode(const CountryRow& country, std::int32_t countryCode, int region,
                      int subArea) {
    switch (country.form) {
        case CodeForm::RegionLast:
            // Korean codes of the older form carry a 1 in the thousands.
            return countryCode * 10000 + (countryCode == 0 ? 1000 : 0) + region;
        case CodeForm::Subdivided:
            return countryCode * 10000 + region * 100 + subArea;
        case CodeForm::CatchAll:
            return countryCode * 10000 + region * 100 + 1;
    }
    return 0;
}

// 0.4 to 1.6: counties and prefectures differ in how many courses they have.
double SubAreaShare(DemoRandom& random) { return 0.4 + random.Below(1201) / 1000.0; }

}  // namespace

std::vector<DemoArea> WorldAreas(DemoRandom& random) {
    std::vector<DemoArea> areas;
    for (const CountryRow& country : CountryRows()) {
        const std::span<const RegionRow> regions =
            country.regions.empty() ? std::span<const RegionRow>(&kWholeCountry, 1)
                                    : country.regions;
        double regionTotal = 0;
        for (const RegionRow& row : regions) regionTotal += row.weight;

        for (std::size_t r = 0; r < regions.size(); ++r) {
            const RegionRow& row = regions[r];
            const int regionNumber = country.regions.empty() ? 0 : static_cast<int>(r) + 1;
            const GeoBox regionBox = row.box.empty() ? StripOf(country.box, static_cast<int>(r),
                                                               static_cast<int>(regions.size()))
                                                     : row.box;
            const int subAreas = std::max(row.subAreas, 1);
            std::vector<double> shares;
            double shareTotal = 0;
            for (int s = 0; s < subAreas; ++s) {
                shares.push_back(subAreas == 1 ? 1.0 : SubAreaShare(random));
                shareTotal += shares.back();
            }
            for (int s = 0; s < subAreas; ++s) {
                // A region without sub-areas has the sub-area number 0.
                const int subAreaNumber = subAreas == 1 ? 0 : s + 1;
                DemoArea area;
                area.zone = row.zone >= 0 ? row.zone : country.zone;
                area.id = AreaCode(country, country.code, regionNumber, subAreaNumber);
                if (country.legacyCode >= 0)
                    area.legacyId =
                        AreaCode(country, country.legacyCode, regionNumber, subAreaNumber);
                area.box = subAreas == 1 ? regionBox : CellOf(regionBox, s, subAreas);
                area.flavour = country.flavour;
                area.regionName = row.name;
                if (static_cast<std::size_t>(s) < row.subAreaNames.size())
                    area.subAreaName = row.subAreaNames[static_cast<std::size_t>(s)];
                area.places = row.places.empty() ? country.places : row.places;
                area.weight = country.courses * (row.weight / regionTotal) *
                              (shares[static_cast<std::size_t>(s)] / shareTotal);
                areas.push_back(area);
            }
        }
    }
    return areas;
}

}  // namespace orvane::demo
