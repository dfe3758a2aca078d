#include "browser/AreaQuery.h"

namespace orvane {
namespace {

using enum MatchKind;

// Views that list one country of a shared zone: (zone, G × 10000 + r, kind).
struct CountryFill {
    int selectionCode;
    int zone;
    std::int32_t country;
    MatchKind kind;
};

constexpr CountryFill kCountryFills[] = {
    {4, 4, 5031, OtherInZone4},   {5, 4, 5032, OtherInZone4},   {6, 4, 5033, OtherInZone4},
    {7, 4, 5034, OtherInZone4},   {8, 4, 5035, OtherInZone4},   {9, 4, 5036, OtherInZone4},
    {10, 4, 5041, OtherInZone4},  {103, 4, 1003, OtherInZone4}, {104, 4, 1101, OtherInZone4},
    {105, 4, 1102, OtherInZone4}, {106, 4, 1103, OtherInZone4}, {202, 24, 3002, Zone24},
    {203, 25, 3003, Zone25},      {204, 27, 3004, Zone27},      {205, 24, 3005, Zone24},
    {206, 26, 3006, Zone26},      {207, 27, 3007, Zone27},      {208, 27, 3008, Zone27},
    {209, 25, 3009, Zone25},      {210, 26, 3010, Zone26},      {211, 25, 3011, Zone25},
    {212, 26, 3012, Zone26},      {213, 27, 3013, Zone27},      {214, 24, 3014, Zone24},
    {302, 4, 2002, OtherInZone4}, {303, 4, 4001, OtherInZone4}, {304, 4, 4002, OtherInZone4},
    {305, 4, 4003, OtherInZone4},
};

constexpr std::int32_t WholeCountry(std::int32_t country) { return country * 10000; }

// Where no valid row exists the answer is "none", never a neighbouring row.
std::optional<int> ZoneOfRow(int selectionCode, int regionTab) {
    const RegionRow* row = FindRegionRow(selectionCode, regionTab);
    return row ? std::optional<int>(row->zone) : std::nullopt;
}

std::vector<AreaFill> SubdividedFill(const SubdividedCountry& country, int r, int s) {
    const RegionRow* row = FindRegionRow(country.selectionCode, r);
    if (!row) return {};
    const int lastSubArea = HasSubAreas(*row) ? row->subAreaCount : 0;
    if (s < 0 || s > lastSubArea) return {};
    return {{row->zone, (country.base + row->regionNumber) * 100 + s, country.kind}};
}

template <typename Data>
auto* ZoneListFor(Data& data, std::int32_t code) {
    const std::optional<int> zone = ZoneForArea(code);
    return zone ? &data.CatalogueList[static_cast<std::size_t>(*zone)] : nullptr;
}

}  // namespace

bool CodeMatches(std::int32_t code, std::int32_t filter, MatchKind kind) {
    const std::int32_t country = code / 10000;
    if (filter == 0 && kind != AsiaInZone4) return true;
    if (filter == 0 && kind == AsiaInZone4 && (code / 10000000 == 5 || country <= 999)) return true;
    if ((country == 0 || country == 5010) && code % 1000 == filter) return true;
    if (code == filter) return true;
    if (filter % 10000 == 0 && country == filter / 10000) return true;
    const bool subdivided = kind == Japan || kind == Usa || kind == Canada || kind == Australia ||
                            kind == UnitedKingdom;
    return subdivided && filter % 100 == 0 && code / 100 == filter / 100;
}

std::vector<AreaFill> AreaQuery(int selectionCode, int r, int s) {
    if (const SubdividedCountry* country = FindSubdividedCountry(selectionCode))
        return SubdividedFill(*country, r, s);
    const RegionNames* table = FindRegionNames(selectionCode);
    if (!table || r < 0 || r >= table->n) return {};

    // The catch-all groups number their countries by region, each with sub-area 01.
    const auto other = [r](std::int32_t group) {
        return WholeCountry(group) + r * 100 + (r != 0 ? 1 : 0);
    };
    for (const CountryFill& fill : kCountryFills) {
        if (fill.selectionCode == selectionCode)
            return {{fill.zone, WholeCountry(fill.country) + r, fill.kind}};
    }
    std::vector<AreaFill> fills;
    // Oceania's and Africa's catch-all entries share the "Others" tab.
    const auto othersOfTheWorld = [&] {
        fills.push_back({4, other(2999), OtherInZone4});
        if (r == 0 || r == 4) fills.push_back({4, 49990001, OtherInZone4});
        fills.push_back({4, WholeCountry(9999) + r, OtherInZone4});
    };
    switch (selectionCode) {
        case 0:
            return {{0, 0, Korea}, {1, WholeCountry(5011), China}, {4, 0, AsiaInZone4}};
        case 1:
            return {{0, r, Korea}};
        case 3:
            return {{1, WholeCountry(5011) + r, China}};
        case 11:
            return {{4, other(5999), OtherInZone4}};
        case 100:
            return {{20, WholeCountry(1002), Canada},      {4, WholeCountry(1003), OtherInZone4},
                    {4, WholeCountry(1101), OtherInZone4}, {4, WholeCountry(1102), OtherInZone4},
                    {4, WholeCountry(1103), OtherInZone4}, {4, WholeCountry(1999), OtherInZone4}};
        case 107:
            return {{4, other(1999), OtherInZone4}};
        case 200:
            // Every country code the European catch-all zone may hold, one by one.
            for (std::int32_t country = 3004; country <= 3999; ++country)
                fills.push_back({27, WholeCountry(country), Zone27});
            fills.insert(fills.end(), {{24, WholeCountry(3002), Zone24},
                                       {24, WholeCountry(3005), Zone24},
                                       {24, WholeCountry(3014), Zone24},
                                       {26, WholeCountry(3006), Zone26},
                                       {26, WholeCountry(3010), Zone26},
                                       {26, WholeCountry(3012), Zone26}});
            return fills;
        case 215:
            return {{27, other(3999), Zone27}};
        case 300:
            fills = {{21, WholeCountry(2001) + r, Australia},
                     {4, WholeCountry(2002) + r, OtherInZone4},
                     {4, WholeCountry(4001) + r, OtherInZone4},
                     {4, WholeCountry(4002) + r, OtherInZone4},
                     {4, WholeCountry(4003) + r, OtherInZone4}};
            othersOfTheWorld();
            return fills;
        case 306:
            othersOfTheWorld();
            return fills;
        // The search results are listed from the search, not from zone lists.
        case kSearchResultsSelection:
        default:
            return {};
    }
}

std::optional<int> DeviceZone(MatchKind kind, int regionTab) {
    switch (kind) {
        case Korea:
            return 0;
        case China:
            return 1;
        case Japan:
            return ZoneOfRow(2, regionTab);
        case Usa:
            return ZoneOfRow(101, regionTab);
        case Canada:
            return 20;
        case Australia:
            return 21;
        case UnitedKingdom:
            return ZoneOfRow(201, regionTab);
        case Zone24:
            return 24;
        case Zone25:
            return 25;
        case Zone26:
            return 26;
        case Zone27:
            return 27;
        case AsiaInZone4:
        case OtherInZone4:
            return 4;
    }
    return std::nullopt;
}

std::optional<int> ZoneForArea(std::int32_t code) {
    const std::int32_t z = code / 10000;
    const std::int32_t s = (code - z * 10000) / 100;
    const int mixedZone = code / 10000000 == 3 ? 27 : 4;
    // "Entry s" of a subdivided country's table is its row of region number s.
    // A region number of 0 or past the last row used to be read from outside
    // the table; such a code now has no zone, and whoever looks it up passes
    // it over.
    const auto entry = [s](int selectionCode) { return ZoneOfRow(selectionCode, s - 1); };
    if (z == 0 || z == 5010) return 0;
    if (z == 11 || z == 5011) return 1;
    if ((z == 12 || z == 5012) && s != 0) return entry(2);
    if (z == 1001) return entry(101);
    if (z == 3001) return s != 0 ? entry(201) : mixedZone;
    if (z == 1002) return 20;
    if (z == 2001) return 21;
    if (z == 3002 || z == 3005 || z == 3014) return 24;
    if (z == 3003 || z == 3009 || z == 3011) return 25;
    if (z == 3006 || z == 3010 || z == 3012) return 26;
    return mixedZone;
}

std::vector<CourseNode>* FindZoneListForArea(CatalogueData& data, std::int32_t code) {
    return ZoneListFor(data, code);
}

const std::vector<CourseNode>* FindZoneListForArea(const CatalogueData& data, std::int32_t code) {
    return ZoneListFor(data, code);
}

}  // namespace orvane
