#include <gtest/gtest.h>

#include <algorithm>

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

TEST(CodeMatches, FollowsItsRulesInOrder) {
    const struct {
        std::int32_t code, filter;
        MatchKind kind;
        bool matches;
    } cases[] = {
        // An empty filter takes everything, but Asia out of the mixed zone.
        {10030000, 0, OtherInZone4, true},
        {10030000, 0, AsiaInZone4, false},
        {50310002, 0, AsiaInZone4, true},
        // Korean courses carry their region in the last three digits.
        {1002, 2, Korea, true},
        {50100003, 3, Korea, true},
        {50110003, 3, China, false},
        // Exact codes; CCCC0000 is a whole country, whatever the kind.
        {59990301, 59990301, OtherInZone4, true},
        {59990301, 59990000, OtherInZone4, true},
        {110305, 50110000, China, false},
        // CCCCRR00: a whole region, for the subdivided countries only.
        {10010514, 10010500, Usa, true},
        {10010614, 10010500, Usa, false},
        {30010218, 30010200, UnitedKingdom, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodeMatches(c.code, c.filter, c.kind), c.matches)
            << c.code << " " << c.filter << " " << static_cast<int>(c.kind);
    }
}

TEST(AreaQuery, FillsOfEveryKindOfView) {
    const struct {
        int selection, region, subArea;
        Fills fills;
    } cases[] = {
        {0, 0, 0, {{0, 0, Korea}, {1, 50110000, China}, {4, 0, AsiaInZone4}}},
        {1, 3, 0, {{0, 3, Korea}}},
        {2, 1, 5, {{3, 50120205, Japan}}},
        {11, 3, 0, {{4, 59990301, OtherInZone4}}},
        {101, 50, 5, {{14, 10015105, Usa}}},
        {201, 1, 18, {{23, 30010218, UnitedKingdom}}},
        {301, 6, 4, {{21, 20010704, Australia}}},
        {306, 1, 0, {{4, 29990101, OtherInZone4}, {4, 99990001, OtherInZone4}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AreaQuery(c.selection, c.region, c.subArea), c.fills)
            << c.selection << " r=" << c.region << " s=" << c.subArea;
    }
}

// Europe's "All" walks every code its catch-all zone may hold first, then
// the countries that have zones of their own.
TEST(AreaQuery, EuropesAllViewWalksTheCatchAllZoneFirst) {
    Codes europe;
    for (const AreaFill& fill : AreaQuery(200, 0, 0)) europe.push_back(fill.filter);
    ASSERT_EQ(europe.size(), 996u + 6u);
    EXPECT_EQ(europe.front(), 30040000);
    EXPECT_EQ(europe[995], 39990000);
    EXPECT_EQ(Codes(europe.end() - 6, europe.end()),
              (Codes{30020000, 30050000, 30140000, 30060000, 30100000, 30120000}));
}

// A tab the strips do not show would spill into the neighbouring digits of
// the filter, so it lists nothing; nor does a region row a country lacks
// have a zone.
TEST(AreaQuery, TabsOutsideTheStripsListNothing) {
    const std::tuple<int, int, int> cases[] = {
        {2, 8, 0},    {2, -1, 0},  {2, 0, 10},  {2, 0, -1},  {101, 1, 1},
        {101, 51, 0}, {11, 10, 0}, {300, 4, 0}, {400, 0, 0}, {-1, 0, 0},
    };
    for (const auto& [selection, region, subArea] : cases) {
        EXPECT_TRUE(AreaQuery(selection, region, subArea).empty())
            << selection << " r=" << region << " s=" << subArea;
    }
    EXPECT_EQ(AreaQuery(2, 0, 9).size(), 1u);
    EXPECT_EQ(AreaQuery(101, 1, 0).size(), 1u);
    EXPECT_EQ(DeviceZone(Japan, 8), std::nullopt);
    EXPECT_EQ(DeviceZone(Usa, -1), std::nullopt);
    EXPECT_EQ(DeviceZone(Canada, 99), 20);
}

// The fills, the country table and the region tables were written down
// apart; they must agree on every view, and every view is either plain or
// subdivided, never both.
TEST(AreaQuery, AgreesWithTheCountryAndRegionTables) {
    std::vector<int> subdivided;
    for (int continent = 0; continent < kResultsContinent; ++continent) {
        for (int tab = 0; tab <= FindContinent(continent)->countryCount; ++tab) {
            const int code = SelectionCode(continent, tab);
            const Country* country = FindCountry(continent, tab);
            const bool divided = FindSubdividedCountry(code) != nullptr;
            EXPECT_NE(FindRegionNames(code) != nullptr, divided) << code;
            if (divided) subdivided.push_back(code);
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
    EXPECT_EQ(subdivided, (std::vector<int>{2, 101, 102, 201, 301}));
}

// Old country codes keep their zone. A region number of 0 or past the last
// row names no row: such a code finds no zone list instead of a zone read
// from beside the table.
TEST(ZoneForArea, FindsTheCatalogueListOfTheZoneOrNone) {
    CatalogueData data;
    EXPECT_EQ(FindZoneListForArea(data, 1002), &data.CatalogueList[0]);
    EXPECT_EQ(FindZoneListForArea(data, 120305), &data.CatalogueList[2]);
    const CatalogueData& constData = data;
    EXPECT_EQ(FindZoneListForArea(constData, 30010218), &data.CatalogueList[23]);
    for (std::int32_t code : {10010001, 10015201, 10019901, 50120901, 129901, 30010601}) {
        EXPECT_EQ(ZoneForArea(code), std::nullopt) << code;
        EXPECT_EQ(FindZoneListForArea(data, code), nullptr) << code;
    }
}

}  // namespace
}  // namespace orvane
