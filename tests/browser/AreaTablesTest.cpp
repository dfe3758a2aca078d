#include <gtest/gtest.h>

#include "browser/AreaTables.h"

namespace orvane {
namespace {

using Labels = std::vector<std::string_view>;

// The tab numbers and counts of every strip are checked by the areas command.
TEST(AreaTables, ContinentsListTheirCountriesInTabOrder) {
    EXPECT_EQ(CountryTabLabels(3, Language::Korean),
              (Labels{"전체", "호주", "뉴질랜드", "남아프리카공화국", "케냐", "모로코", "기타"}));
    EXPECT_EQ(CountryTabLabels(kResultsContinent, Language::English), Labels{"All"});
    EXPECT_TRUE(CountryTabLabels(5, Language::English).empty());
    EXPECT_EQ(FindContinent(-1), nullptr);
    EXPECT_EQ(FindContinent(5), nullptr);
    // Tab 0 is the continent's "All" view, which is no country.
    EXPECT_EQ(FindCountry(0, 0), nullptr);
    EXPECT_EQ(FindCountry(0, 12), nullptr);
    EXPECT_EQ(FindCountry(4, 1), nullptr);
}

TEST(AreaTables, CountriesKeepTheirCodesAndZones) {
    struct Row {
        int continent, tab;
        std::vector<std::int32_t> codes;
        int firstZone, lastZone;
    };
    const Row expected[] = {
        {0, 1, {0, 5010}, 0, 0}, {0, 2, {12, 5012}, 2, 3}, {1, 1, {1001}, 5, 19},
        {2, 1, {3001}, 22, 23},  {2, 14, {3014}, 24, 24},  {3, 6, {2999, 4999, 9999}, 4, 4},
    };
    for (const Row& row : expected) {
        const Country* country = FindCountry(row.continent, row.tab);
        ASSERT_NE(country, nullptr) << row.continent << " " << row.tab;
        const auto codes = country->codes.values();
        EXPECT_EQ(std::vector<std::int32_t>(codes.begin(), codes.end()), row.codes);
        EXPECT_EQ(country->zones.first, row.firstZone) << country->label.english;
        EXPECT_EQ(country->zones.last, row.lastZone) << country->label.english;
    }
}

// Every view the country strip can show is either plain or subdivided, never
// both, and the search results have their own single tab.
TEST(AreaTables, EveryViewHasExactlyOneRegionTable) {
    std::vector<int> subdivided;
    for (int continent = 0; continent < kResultsContinent; ++continent) {
        for (int tab = 0; tab <= FindContinent(continent)->countryCount; ++tab) {
            const int code = SelectionCode(continent, tab);
            const bool divided = FindSubdividedCountry(code) != nullptr;
            EXPECT_NE(FindRegionNames(code) != nullptr, divided) << code;
            if (divided) subdivided.push_back(code);
        }
    }
    EXPECT_EQ(subdivided, (std::vector<int>{2, 101, 102, 201, 301}));
    EXPECT_EQ(RegionTabLabels(kSearchResultsSelection, Language::English, 0),
              Labels{"All Courses"});
    EXPECT_EQ(FindRegionNames(401), nullptr);
}

TEST(AreaTables, PlainRegionLabelsInBothLanguages) {
    struct Row {
        int code, tab;
        std::string_view english, korean;
    };
    const Row expected[] = {
        {8, 6, "Phuket/Koh Samui/Hat Yai", "푸켓/코사무이/핫야이"},
        {11, 9, "Others", "기타"},
        {100, 0, "All Areas(Exclude USA)", "전체(미국제외)"},
        {200, 0, "All Areas(Exclude UK&Germany)", "전체(영국&독일제외)"},
        {215, 10, "Others", "기타"},
        {306, 2, "Guam", "괌"},
    };
    for (const Row& row : expected) {
        const RegionNames* table = FindRegionNames(row.code);
        ASSERT_NE(table, nullptr) << row.code;
        EXPECT_EQ(RegionLabel(*table, row.tab, Language::English), row.english) << row.code;
        EXPECT_EQ(RegionLabel(*table, row.tab, Language::Korean), row.korean) << row.code;
    }
}

// Tables that list no Korean labels show the English ones, but for the two
// whole labels "All Areas" and "Others".
TEST(AreaTables, KoreanFallsBackToEnglishWhereNoneIsListed) {
    EXPECT_EQ(RegionTabLabels(207, Language::Korean, 0),
              (Labels{"전체", "Shannon", "South East", "South West", "Midlands East", "North West",
                      "West Ireland"}));
    EXPECT_EQ(RegionLabel(*FindRegionNames(303), 4, Language::Korean), "기타");

    const std::string_view english[] = {"All Areas(Exclude X)", "Others", "Other Counties",
                                        "All Areas"};
    const RegionNames table{.selectionCode = 999, .n = 4, .english = english};
    const Labels korean = {
        RegionLabel(table, 0, Language::Korean), RegionLabel(table, 1, Language::Korean),
        RegionLabel(table, 2, Language::Korean), RegionLabel(table, 3, Language::Korean),
        RegionLabel(table, 4, Language::Korean), RegionLabel(table, -1, Language::English)};
    EXPECT_EQ(korean, (Labels{"All Areas(Exclude X)", "기타", "Other Counties", "전체", "", ""}));
}

TEST(AreaTables, RegionRowsKeepCodesNamesZonesAndNumbers) {
    struct Row {
        int code, tab;
        std::string_view letters, english, korean;
        std::int32_t zone, number;
        std::string_view firstSubArea, lastSubArea;
    };
    const Row expected[] = {
        {2, 4, "KK", "Kinki", "킨키지역", 3, 5, "Hyogo", "Wakayama"},
        {101, 8, "DC", "Dist. of Columbia", "워싱턴DC", 7, 9, "All Counties", "All Counties"},
        {101, 50, "WY", "Wyoming", "와이오밍", 14, 51, "Carbon/Crook Co.", "Other Counties"},
        {102, 12, "YT", "Yukon Territory", "유콘", 20, 13, "All Courses", "All Courses"},
        {201, 1, "SE", "Southern England", "남잉글랜드", 23, 2, "Bedfordshire/Berkshire", "Others"},
        {301, 6, "VC", "Victoria", "빅토리아", 21, 7, "Bellarine Peninsula", "Sand Belt"},
    };
    for (const Row& row : expected) {
        const RegionRow* region = FindRegionRow(row.code, row.tab);
        ASSERT_NE(region, nullptr) << row.code << " " << row.tab;
        EXPECT_EQ(region->code, row.letters);
        EXPECT_EQ(region->english, row.english);
        EXPECT_EQ(region->korean, row.korean);
        EXPECT_EQ(region->zone, row.zone) << row.english;
        EXPECT_EQ(region->regionNumber, row.number) << row.english;
        EXPECT_EQ(region->subAreas.front(), row.firstSubArea) << row.english;
        EXPECT_EQ(region->subAreas.back(), row.lastSubArea) << row.english;
    }
    EXPECT_EQ(FindRegionRow(2, 8), nullptr);
    EXPECT_EQ(FindRegionRow(2, -1), nullptr);
    EXPECT_EQ(FindRegionRow(1, 0), nullptr);
    // Middle entries: the position is the sub-area number, so one slip shifts them all.
    EXPECT_EQ(FindRegionRow(101, 35)->subAreas[16], "Hancock/Highland");
    EXPECT_EQ(FindRegionRow(201, 1)->subAreas[8], "Herefordshire/Hertfordshire");
}

TEST(AreaTables, UsaStripNamesOnlyTheSelectedState) {
    Labels states = RegionTabLabels(101, Language::English, 4);
    ASSERT_EQ(states.size(), 51u);
    EXPECT_EQ((Labels{states[0], states[4], states[50]}), (Labels{"AL", "California", "WY"}));
    states = RegionTabLabels(101, Language::Korean, 0);
    EXPECT_EQ((Labels{states[0], states[4]}), (Labels{"알라바마", "CA"}));
    // The other subdivided countries name every row.
    EXPECT_EQ(
        RegionTabLabels(201, Language::English, 3),
        (Labels{"Northern England", "Southern England", "Scotland", "Wales", "Northern Ireland"}));
    EXPECT_EQ(RegionTabLabels(2, Language::Korean, 0)[1], "추고쿠지역");
    EXPECT_TRUE(RegionTabLabels(12, Language::English, 0).empty());
}

TEST(AreaTables, SubAreaStripShowsAllThenTheListOfRealSubAreas) {
    EXPECT_EQ(SubAreaTabLabels(101, 1, Language::Korean), Labels{"전체카운티"});
    EXPECT_EQ(SubAreaTabLabels(102, 2, Language::English), Labels{"All Courses"});
    EXPECT_EQ(SubAreaTabLabels(301, 3, Language::Korean),
              (Labels{"전체", "Brisbane", "Gold Coast", "Sunshine Coast", "Tropical North"}));
    const Labels california = SubAreaTabLabels(101, 4, Language::English);
    ASSERT_EQ(california.size(), 34u);
    EXPECT_EQ((Labels{california[0], california[1], california[33]}),
              (Labels{"All Counties", "Alameda County", "Other Counties"}));
    EXPECT_TRUE(SubAreaTabLabels(101, 51, Language::English).empty());
    EXPECT_TRUE(SubAreaTabLabels(1, 0, Language::English).empty());
    EXPECT_FALSE(HasSubAreas(*FindRegionRow(201, 3)));
    EXPECT_TRUE(HasSubAreas(*FindRegionRow(102, 11)));
}

}  // namespace
}  // namespace orvane
