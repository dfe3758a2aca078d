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
        {10010514, 10010514, Usa, true},
        // CCCC0000: a whole country, whatever the kind.
        {59990301, 59990000, OtherInZone4, true},
        {50310002, 50310000, OtherInZone4, true},
        {50320002, 50310000, OtherInZone4, false},
        {50110305, 50110000, China, true},
        {110305, 50110000, China, false},
        // CCCCRR00: a whole region, for the subdivided countries only.
        {10010514, 10010500, Usa, true},
        {10010614, 10010500, Usa, false},
        {10010514, 10010500, OtherInZone4, false},
        {50120305, 50120300, Japan, true},
        {120305, 50120300, Japan, false},
        {30010218, 30010200, UnitedKingdom, true},
        {20010704, 20010700, Australia, true},
        {10020901, 10020900, Canada, true},
        {30040100, 30040100, Zone27, true},
        {30040101, 30040100, Zone27, false},
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
        {1, 0, 0, {{0, 0, Korea}}},
        {1, 3, 0, {{0, 3, Korea}}},
        {2, 0, 0, {{2, 50120100, Japan}}},
        {2, 7, 6, {{2, 50120806, Japan}}},
        {2, 1, 5, {{3, 50120205, Japan}}},
        {3, 2, 0, {{1, 50110002, China}}},
        {4, 5, 0, {{4, 50310005, OtherInZone4}}},
        {10, 0, 0, {{4, 50410000, OtherInZone4}}},
        {11, 0, 0, {{4, 59990000, OtherInZone4}}},
        {11, 3, 0, {{4, 59990301, OtherInZone4}}},
        {100,
         0,
         0,
         {{20, 10020000, Canada},
          {4, 10030000, OtherInZone4},
          {4, 11010000, OtherInZone4},
          {4, 11020000, OtherInZone4},
          {4, 11030000, OtherInZone4},
          {4, 19990000, OtherInZone4}}},
        {101, 4, 0, {{5, 10010500, Usa}}},
        {101, 4, 14, {{5, 10010514, Usa}}},
        {101, 9, 22, {{10, 10011022, Usa}}},
        {101, 50, 5, {{14, 10015105, Usa}}},
        {102, 8, 0, {{20, 10020900, Canada}}},
        {104, 0, 0, {{4, 11010000, OtherInZone4}}},
        {107, 5, 0, {{4, 19990501, OtherInZone4}}},
        {201, 1, 18, {{23, 30010218, UnitedKingdom}}},
        {202, 8, 0, {{24, 30020008, Zone24}}},
        {203, 4, 0, {{25, 30030004, Zone25}}},
        {207, 6, 0, {{27, 30070006, Zone27}}},
        {210, 0, 0, {{26, 30100000, Zone26}}},
        {214, 0, 0, {{24, 30140000, Zone24}}},
        {215, 10, 0, {{27, 39991001, Zone27}}},
        {300,
         0,
         0,
         {{21, 20010000, Australia},
          {4, 20020000, OtherInZone4},
          {4, 40010000, OtherInZone4},
          {4, 40020000, OtherInZone4},
          {4, 40030000, OtherInZone4},
          {4, 29990000, OtherInZone4},
          {4, 49990001, OtherInZone4},
          {4, 99990000, OtherInZone4}}},
        {301, 6, 4, {{21, 20010704, Australia}}},
        {302, 2, 0, {{4, 20020002, OtherInZone4}}},
        {305, 0, 0, {{4, 40030000, OtherInZone4}}},
        {306, 1, 0, {{4, 29990101, OtherInZone4}, {4, 99990001, OtherInZone4}}},
        {306,
         4,
         0,
         {{4, 29990401, OtherInZone4}, {4, 49990001, OtherInZone4}, {4, 99990004, OtherInZone4}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AreaQuery(c.selection, c.region, c.subArea), c.fills)
            << c.selection << " r=" << c.region << " s=" << c.subArea;
    }
}

TEST(AreaQuery, EuropesAllViewWalksEveryCatchAllCountryFirst) {
    const Fills fills = AreaQuery(200, 0, 0);
    ASSERT_EQ(fills.size(), 996u + 6u);
    EXPECT_EQ(fills.front(), (AreaFill{27, 30040000, Zone27}));
    EXPECT_EQ(fills[995], (AreaFill{27, 39990000, Zone27}));
    EXPECT_EQ(Fills(fills.end() - 6, fills.end()), (Fills{{24, 30020000, Zone24},
                                                          {24, 30050000, Zone24},
                                                          {24, 30140000, Zone24},
                                                          {26, 30060000, Zone26},
                                                          {26, 30100000, Zone26},
                                                          {26, 30120000, Zone26}}));
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
        {1, 0, 0, {1002, 1003, 50100002, 50100003}},
        {11, 3, 0, {59990301}},
        {11, 0, 0, {59990301}},
        {101, 4, 0, {10010500, 10010514, 10010533}},
        {101, 4, 14, {10010514}},
        {306, 4, 0, {29990401, 49990001, 99990004}},
        {306, 1, 0, {99990001}},
        {302, 0, 0, {20020002}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(c.selection, c.region, c.subArea, zones), c.listed)
            << c.selection << " r=" << c.region << " s=" << c.subArea;
    }
}

TEST(DeviceZone, IsTheZoneOfTheKindOrOfTheSelectedRow) {
    struct Case {
        MatchKind kind;
        int region;
        std::optional<int> zone;
    };
    const Case cases[] = {
        {Korea, 0, 0},       {China, 3, 1},        {Japan, 0, 2},          {Japan, 1, 3},
        {Japan, 8, {}},      {Usa, 4, 5},          {Usa, 50, 14},          {Usa, -1, {}},
        {Canada, 99, 20},    {Australia, 0, 21},   {UnitedKingdom, 1, 23}, {UnitedKingdom, 5, {}},
        {Zone24, 0, 24},     {Zone25, 0, 25},      {Zone26, 0, 26},        {Zone27, 0, 27},
        {AsiaInZone4, 0, 4}, {OtherInZone4, 7, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DeviceZone(c.kind, c.region), c.zone)
            << static_cast<int>(c.kind) << " r=" << c.region;
    }
}

// The fills, the country table and the region rows were written down apart;
// they must agree on every view.
TEST(AreaQuery, AgreesWithTheCountryAndRegionTables) {
    for (int continent = 0; continent < 4; ++continent) {
        for (const Country& country : CountriesOf(continent)) {
            const int code = SelectionCode(continent, country.tab);
            const auto codes = country.codes.values();
            const auto regions =
                static_cast<int>(RegionTabLabels(code, Language::English, 0).size());
            ASSERT_GT(regions, 0) << code;
            for (int r = 0; r < regions; ++r) {
                for (const AreaFill& fill : AreaQuery(code, r, 0)) {
                    EXPECT_GE(fill.zone, country.zones.first) << code;
                    EXPECT_LE(fill.zone, country.zones.last) << code;
                    EXPECT_NE(std::find(codes.begin(), codes.end(), fill.filter / 10000),
                              codes.end())
                        << code << " " << fill;
                    EXPECT_EQ(DeviceZone(fill.kind, r), fill.zone) << code << " " << fill;
                    EXPECT_EQ(ZoneForArea(fill.filter), fill.zone) << code << " " << fill;
                }
            }
        }
    }
}

TEST(ZoneForArea, FollowsTheCountryCode) {
    const std::pair<std::int32_t, std::optional<int>> cases[] = {
        {1002, 0},      {50100003, 0},  {110305, 1},    {50110305, 1},  {120305, 2},
        {50120205, 3},  {50120801, 2},  {120001, 4},    {50120001, 4},  {10010514, 5},
        {10010101, 9},  {10015101, 14}, {30010201, 23}, {30010301, 22}, {30010001, 27},
        {10020101, 20}, {20010101, 21}, {30020000, 24}, {30140000, 24}, {30090000, 25},
        {30120000, 26}, {30040000, 27}, {39990101, 27}, {59990301, 4},  {10030000, 4},
        {99990004, 4},  {49990001, 4},  {0, 0},
    };
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
