#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "browser/AreaQuery.h"

namespace orvane {

// Found by argument-dependent lookup, so that failures print fills readably.
static std::ostream& operator<<(std::ostream& out, const AreaFill& fill) {
    return out << "(" << fill.zone << ", " << fill.filter << ", " << static_cast<int>(fill.kind)
               << ")";
}

namespace {

using enum MatchKind;
using Fills = std::vector<AreaFill>;
using Codes = std::vector<std::int32_t>;

// What a view lists from zone lists holding these codes, as the course list
// walks them: fill by fill, each list in its order.
Codes Listed(int selectionCode, int region, int subArea, const std::map<int, Codes>& codesByZone) {
    Codes listed;
    for (const AreaFill& fill : AreaQuery(selectionCode, region, subArea)) {
        const auto zone = codesByZone.find(fill.zone);
        if (zone == codesByZone.end()) continue;
        for (std::int32_t code : zone->second) {
            if (CodeMatches(code, fill.filter, fill.kind)) listed.push_back(code);
        }
    }
    return listed;
}

TEST(CodeMatches, FollowsItsRulesInOrder) {
    struct Case {
        std::int32_t code, filter;
        MatchKind kind;
        bool matches;
    };
    const Case cases[] = {
        // An empty filter takes everything, but Asia out of the mixed zone.
        {10030000, 0, OtherInZone4, true},
        {10030000, 0, AsiaInZone4, false},
        {50310002, 0, AsiaInZone4, true},
        {9990000, 0, AsiaInZone4, true},
        {10000000, 0, AsiaInZone4, false},
        // Korean courses carry their region in the last three digits.
        {1002, 2, Korea, true},
        {50100003, 3, Korea, true},
        {50100003, 2, Korea, false},
        {1002, 3, Korea, false},
        {50110003, 3, China, false},
        // Exact codes: a catch-all group's country, a sub-area.
        {59990301, 59990301, OtherInZone4, true},
        {59990302, 59990301, OtherInZone4, false},
        // CCCC0000: a whole country, whatever the kind.
        {59990301, 59990000, OtherInZone4, true},
        {50320002, 50310000, OtherInZone4, false},
        {110305, 50110000, China, false},
        // CCCCRR00: a whole region, for the subdivided countries only.
        {10010514, 10010500, Usa, true},
        {10010614, 10010500, Usa, false},
        {30040101, 30040100, Zone27, false},
        {120305, 50120300, Japan, false},
        {30010218, 30010200, UnitedKingdom, true},
        {20010704, 20010700, Australia, true},
        {10020901, 10020900, Canada, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodeMatches(c.code, c.filter, c.kind), c.matches)
            << c.code << " " << c.filter << " " << static_cast<int>(c.kind);
    }
}

TEST(AreaQuery, FillsOfEveryKindOfView) {
    struct Case {
        int selection, region, subArea;
        Fills fills;
    };
    const Case cases[] = {
        {0, 0, 0, {{0, 0, Korea}, {1, 50110000, China}, {4, 0, AsiaInZone4}}},
        {1, 3, 0, {{0, 3, Korea}}},
        {2, 1, 5, {{3, 50120205, Japan}}},
        {3, 2, 0, {{1, 50110002, China}}},
        {4, 5, 0, {{4, 50310005, OtherInZone4}}},
        {11, 0, 0, {{4, 59990000, OtherInZone4}}},
        {11, 3, 0, {{4, 59990301, OtherInZone4}}},
        {101, 50, 5, {{14, 10015105, Usa}}},
        {102, 8, 0, {{20, 10020900, Canada}}},
        {107, 5, 0, {{4, 19990501, OtherInZone4}}},
        {201, 1, 18, {{23, 30010218, UnitedKingdom}}},
        {207, 6, 0, {{27, 30070006, Zone27}}},
        {215, 10, 0, {{27, 39991001, Zone27}}},
        {301, 6, 4, {{21, 20010704, Australia}}},
        {306, 1, 0, {{4, 29990101, OtherInZone4}, {4, 99990001, OtherInZone4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AreaQuery(c.selection, c.region, c.subArea), c.fills)
            << c.selection << " r=" << c.region << " s=" << c.subArea;
    }
}

Codes FiltersOf(const Fills& fills) {
    Codes filters;
    for (const AreaFill& fill : fills) filters.push_back(fill.filter);
    return filters;
}

// The zones and kinds of these fills are checked against the tables below.
TEST(AreaQuery, ViewsOverSeveralCountriesWalkThemInOrder) {
    EXPECT_EQ(FiltersOf(AreaQuery(100, 0, 0)),
              (Codes{10020000, 10030000, 11010000, 11020000, 11030000, 19990000}));
    EXPECT_EQ(FiltersOf(AreaQuery(300, 0, 0)), (Codes{20010000, 20020000, 40010000, 40020000,
                                                      40030000, 29990000, 49990001, 99990000}));
    EXPECT_EQ(FiltersOf(AreaQuery(306, 4, 0)), (Codes{29990401, 49990001, 99990004}));
    // Europe's "All" walks every code its catch-all zone may hold first.
    const Codes europe = FiltersOf(AreaQuery(200, 0, 0));
    ASSERT_EQ(europe.size(), 996u + 6u);
    EXPECT_EQ(europe.front(), 30040000);
    EXPECT_EQ(europe[995], 39990000);
    EXPECT_EQ(Codes(europe.end() - 6, europe.end()),
              (Codes{30020000, 30050000, 30140000, 30060000, 30100000, 30120000}));
}

// A tab the strips do not show would spill into the neighbouring digits of
// the filter, so it lists nothing.
TEST(AreaQuery, TabsOutsideTheStripsListNothing) {
    const std::tuple<int, int, int> cases[] = {
        {2, 8, 0}, {2, -1, 0},  {2, 0, 10},  {2, 0, -1},  {101, 1, 1}, {101, 51, 0}, {201, 3, 1},
        {1, 9, 0}, {11, 10, 0}, {300, 4, 0}, {400, 0, 0}, {12, 0, 0},  {401, 0, 0},  {-1, 0, 0},
    };
    for (const auto& [selection, region, subArea] : cases) {
        EXPECT_TRUE(AreaQuery(selection, region, subArea).empty())
            << selection << " r=" << region << " s=" << subArea;
    }
    EXPECT_EQ(AreaQuery(2, 0, 9).size(), 1u);
    EXPECT_EQ(AreaQuery(101, 1, 0).size(), 1u);
}

TEST(AreaQuery, ViewsListTheirCoursesFromTheZoneLists) {
    const std::map<int, Codes> zones = {
        {0, {1002, 1003, 50100002, 50100003}},
        {1, {50110101, 110305}},
        {4,
         {50310002, 10030000, 59990301, 29990401, 29990301, 49990001, 49990002, 99990004, 99990001,
          20020002}},
        {5, {10010500, 10010514, 10010533, 10010601}},
    };
    struct Case {
        int selection, region, subArea;
        Codes listed;
    };
    const Case cases[] = {
        // All of Asia: every Korean and new-code Chinese course, Asia of zone 4 only.
        {0, 0, 0, {1002, 1003, 50100002, 50100003, 50110101, 50310002, 59990301}},
        {1, 2, 0, {1002, 50100002}},
        {11, 3, 0, {59990301}},
        {11, 0, 0, {59990301}},
        {101, 4, 0, {10010500, 10010514, 10010533}},
        {306, 4, 0, {29990401, 49990001, 99990004}},
        {306, 1, 0, {99990001}},
        {302, 0, 0, {20020002}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.selection, c.region, c.subArea, zones), c.listed)
            << c.selection << " r=" << c.region << " s=" << c.subArea;
    }
}

// The zones of the rows the tables have are checked against the fills below.
TEST(DeviceZone, IsNoneForARowTheSubdividedCountryDoesNotHave) {
    EXPECT_EQ(DeviceZone(Japan, 8), std::nullopt);
    EXPECT_EQ(DeviceZone(Usa, -1), std::nullopt);
    EXPECT_EQ(DeviceZone(UnitedKingdom, 5), std::nullopt);
    EXPECT_EQ(DeviceZone(Canada, 99), 20);
}

// The fills, the country table and the region rows were written down apart;
// they must agree on every view.
TEST(AreaQuery, AgreesWithTheCountryAndRegionTables) {
    for (int continent = 0; continent < kResultsContinent; ++continent) {
        for (int tab = 0; tab <= FindContinent(continent)->countryCount; ++tab) {
            const int code = SelectionCode(continent, tab);
            const Country* country = FindCountry(continent, tab);
            const auto regions =
                static_cast<int>(RegionTabLabels(code, Language::English, 0).size());
            ASSERT_GT(regions, 0) << code;
            for (int r = 0; r < regions; ++r) {
                for (const AreaFill& fill : AreaQuery(code, r, 0)) {
                    SCOPED_TRACE(::testing::Message() << code << " r=" << r << " " << fill);
                    EXPECT_EQ(DeviceZone(fill.kind, r), fill.zone);
                    // A continent's "All" view walks codes of any zone.
                    if (country == nullptr) continue;
                    EXPECT_EQ(ZoneForArea(fill.filter), fill.zone);
                    const auto codes = country->codes.values();
                    EXPECT_GE(fill.zone, country->zones.first);
                    EXPECT_LE(fill.zone, country->zones.last);
                    EXPECT_NE(std::ranges::find(codes, fill.filter / 10000), codes.end());
                }
            }
        }
    }
}

// Codes of the views themselves are checked against the fills above.
TEST(ZoneForArea, FollowsOldCountryCodesAndWholeCountries) {
    const std::pair<std::int32_t, std::optional<int>> cases[] = {
        {1002, 0}, {110305, 1}, {120305, 2}, {50120001, 4}, {30010001, 27}, {99990004, 4}};
    for (const auto& [code, zone] : cases) EXPECT_EQ(ZoneForArea(code), zone) << code;
}

// A region number of 0 or past the last row names no row: such a code finds
// no zone list instead of a zone read from beside the table.
TEST(ZoneForArea, RegionsTheTablesDoNotHaveFindNoZone) {
    const std::int32_t codes[] = {10010001, 10015201, 10019901, 50120901,
                                  129901,   30010601, 30019901};
    CatalogueData data;
    for (std::int32_t code : codes) {
        EXPECT_EQ(ZoneForArea(code), std::nullopt) << code;
        EXPECT_EQ(FindZoneListForArea(data, code), nullptr) << code;
    }
}

TEST(ZoneForArea, FindsTheCatalogueListOfTheZone) {
    CatalogueData data;
    EXPECT_EQ(FindZoneListForArea(data, 10010514), &data.CatalogueList[5]);
    EXPECT_EQ(FindZoneListForArea(data, 59990301), &data.CatalogueList[4]);
    const CatalogueData& constData = data;
    EXPECT_EQ(FindZoneListForArea(constData, 30010218), &data.CatalogueList[23]);
}

}  // namespace
}  // namespace orvane
