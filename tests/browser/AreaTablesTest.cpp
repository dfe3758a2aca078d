#include <gtest/gtest.h>

#include "browser/AreaTables.h"

namespace orvane {
namespace {

using Labels = std::vector<std::string_view>;

// A tab or row past a table's end finds nothing, never its neighbour; the
// search results have a single tab of their own.
TEST(AreaTables, LookupsOutsideTheTablesFindNothing) {
    EXPECT_EQ(FindContinent(-1), nullptr);
    EXPECT_EQ(FindContinent(5), nullptr);
    // Tab 0 is the continent's "All" view, which is no country.
    EXPECT_EQ(FindCountry(0, 0), nullptr);
    EXPECT_EQ(FindCountry(4, 1), nullptr);
    EXPECT_EQ(FindRegionRow(2, 8), nullptr);
    EXPECT_EQ(FindRegionRow(2, -1), nullptr);
    EXPECT_EQ(FindRegionRow(1, 0), nullptr);
    EXPECT_TRUE(RegionTabLabels(12, Language::English, 0).empty());
    EXPECT_TRUE(SubAreaTabLabels(101, 51, Language::English).empty());
    EXPECT_EQ(CountryTabLabels(kResultsContinent, Language::English), Labels{"All"});
    EXPECT_EQ(RegionTabLabels(kSearchResultsSelection, Language::English, 0),
              Labels{"All Courses"});
}

// Tables that list no Korean labels show the English ones, but for the two
// whole labels "All Areas" and "Others".
TEST(AreaTables, KoreanFallsBackToEnglishWhereNoneIsListed) {
    const std::string_view english[] = {"All Areas(Exclude X)", "Others", "Other Counties",
                                        "All Areas"};
    const RegionNames table{.selectionCode = 999, .n = 4, .english = english};
    Labels korean;
    for (int tab = 0; tab <= 4; ++tab) korean.push_back(RegionLabel(table, tab, Language::Korean));
    korean.push_back(RegionLabel(table, -1, Language::English));
    EXPECT_EQ(korean, (Labels{"All Areas(Exclude X)", "기타", "Other Counties", "전체", "", ""}));
    EXPECT_EQ(RegionTabLabels(207, Language::Korean, 0)[1], "Shannon");
}

TEST(AreaTables, SubAreaStripShowsAllThenTheListOfRealSubAreas) {
    EXPECT_EQ(SubAreaTabLabels(101, 1, Language::Korean), Labels{"전체카운티"});
    EXPECT_EQ(SubAreaTabLabels(301, 3, Language::Korean),
              (Labels{"전체", "Brisbane", "Gold Coast", "Sunshine Coast", "Tropical North"}));
    EXPECT_FALSE(HasSubAreas(*FindRegionRow(201, 3)));
    EXPECT_TRUE(HasSubAreas(*FindRegionRow(102, 11)));
    // The position is the sub-area number, so one slip in the list shifts all after it.
    EXPECT_EQ(FindRegionRow(101, 35)->subAreas[16], "Hancock/Highland");
}

}  // namespace
}  // namespace orvane
