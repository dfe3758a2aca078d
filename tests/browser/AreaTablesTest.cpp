#include <gtest/gtest.h>

#include "browser/AreaTables.h"

namespace orvane {
namespace {

using Labels = std::vector<std::string_view>;

std::vector<std::int32_t> CodesOf(const Country& country) {
    const auto codes = country.codes.values();
    return {codes.begin(), codes.end()};
}

TEST(AreaTables, ContinentsCountTheirCountriesInTabOrder) {
    struct Row {
        int index;
        std::string_view korean, english;
        int countries;
    };
    const Row expected[] = {{0, "아시아/태평양", "Asia/Pacific", 11},
                            {1, "아메리카", "America", 7},
                            {2, "유럽", "Europe", 15},
                            {3, "기타", "Others", 6},
                            {4, "검색결과", "Results", 0}};
    ASSERT_EQ(Continents().size(), 5u);
    for (const Row& row : expected) {
        const Continent* continent = FindContinent(row.index);
        ASSERT_NE(continent, nullptr) << row.index;
        EXPECT_EQ(continent->index, row.index);
        EXPECT_EQ(continent->label.korean, row.korean);
        EXPECT_EQ(continent->label.english, row.english);
        EXPECT_EQ(continent->countryCount, row.countries);
        const auto countries = CountriesOf(row.index);
        ASSERT_EQ(countries.size(), static_cast<std::size_t>(row.countries)) << row.english;
        for (std::size_t i = 0; i < countries.size(); ++i) {
            EXPECT_EQ(countries[i].continent, row.index);
            EXPECT_EQ(countries[i].tab, static_cast<int>(i) + 1) << row.english;
        }
    }
    EXPECT_EQ(Countries().size(), 39u);
    EXPECT_EQ(FindContinent(-1), nullptr);
    EXPECT_EQ(FindContinent(5), nullptr);
}

TEST(AreaTables, CountryRowsKeepLabelsCodesAndZones) {
    struct Row {
        int continent, tab;
        std::string_view korean, english;
        std::vector<std::int32_t> codes;
        int firstZone, lastZone;
    };
    const Row expected[] = {
        {0, 1, "한국", "Korea", {0, 5010}, 0, 0},
        {0, 2, "일본", "Japan", {12, 5012}, 2, 3},
        {0, 3, "중국", "China", {11, 5011}, 1, 1},
        {0, 7, "싱가폴", "Singapore", {5034}, 4, 4},
        {0, 11, "기타아시아", "Other Asia", {5999}, 4, 4},
        {1, 1, "미국", "USA", {1001}, 5, 19},
        {1, 2, "캐나다", "Canada", {1002}, 20, 20},
        {1, 4, "브라질", "Brazil", {1101}, 4, 4},
        {1, 7, "기타아메리카", "Other America", {1999}, 4, 4},
        {2, 1, "영국", "United Kingdom", {3001}, 22, 23},
        {2, 4, "이탈리아", "Italia", {3004}, 27, 27},
        {2, 8, "오스트리아", "Austria", {3008}, 27, 27},
        {2, 14, "포르투갈", "Portugal", {3014}, 24, 24},
        {2, 15, "기타유럽", "Other Europe", {3999}, 27, 27},
        {3, 1, "호주", "Australia", {2001}, 21, 21},
        {3, 3, "남아프리카공화국", "Rep. of South Africa", {4001}, 4, 4},
        {3, 6, "기타", "Others", {2999, 4999, 9999}, 4, 4},
    };
    for (const Row& row : expected) {
        const Country* country = FindCountry(row.continent, row.tab);
        ASSERT_NE(country, nullptr) << row.english;
        EXPECT_EQ(country->label.korean, row.korean);
        EXPECT_EQ(country->label.english, row.english);
        EXPECT_EQ(CodesOf(*country), row.codes) << row.english;
        EXPECT_EQ(country->zones.first, row.firstZone) << row.english;
        EXPECT_EQ(country->zones.last, row.lastZone) << row.english;
    }
    // Tab 0 is the continent's "All" view, which is no country.
    EXPECT_EQ(FindCountry(0, 0), nullptr);
    EXPECT_EQ(FindCountry(0, 12), nullptr);
    EXPECT_EQ(FindCountry(4, 1), nullptr);
}

// Every view the country strip can show is either plain or subdivided, never
// both, and the search results have their own single tab.
TEST(AreaTables, EveryViewHasExactlyOneRegionTable) {
    std::vector<int> subdivided;
    for (int continent = 0; continent < 4; ++continent) {
        for (int tab = 0; tab <= FindContinent(continent)->countryCount; ++tab) {
            const int code = SelectionCode(continent, tab);
            const bool plain = FindRegionNames(code) != nullptr;
            const bool divided = FindSubdividedCountry(code) != nullptr;
            EXPECT_NE(plain, divided) << code;
            if (divided) subdivided.push_back(code);
        }
    }
    EXPECT_EQ(subdivided, (std::vector<int>{2, 101, 102, 201, 301}));
    EXPECT_EQ(PlainRegionTables().size(), 39u);
    EXPECT_EQ(FindRegionNames(12), nullptr);
    EXPECT_EQ(FindRegionNames(401), nullptr);
    EXPECT_EQ(SelectionCode(2, 15), 215);
    EXPECT_EQ(ContinentOf(306), 3);
    EXPECT_EQ(CountryTabOf(306), 6);
}

TEST(AreaTables, PlainRegionTablesHaveTheirCounts) {
    const std::pair<int, int> counts[] = {
        {0, 1},   {1, 9},   {3, 7},   {4, 6},   {5, 7},   {6, 6},   {7, 1},   {8, 7},
        {9, 1},   {10, 1},  {11, 10}, {100, 1}, {103, 1}, {104, 1}, {105, 1}, {106, 1},
        {107, 6}, {200, 1}, {202, 9}, {203, 9}, {204, 6}, {205, 6}, {206, 6}, {207, 7},
        {208, 1}, {209, 1}, {210, 1}, {211, 1}, {212, 1}, {213, 1}, {214, 1}, {215, 11},
        {300, 1}, {302, 3}, {303, 5}, {304, 1}, {305, 1}, {306, 5}, {400, 1}};
    for (const auto& [code, n] : counts) {
        const RegionNames* table = FindRegionNames(code);
        ASSERT_NE(table, nullptr) << code;
        EXPECT_EQ(table->n, n) << code;
        EXPECT_EQ(RegionTabLabels(code, Language::Korean, 0).size(), static_cast<std::size_t>(n));
        EXPECT_EQ(RegionTabLabels(code, Language::English, 0).size(), static_cast<std::size_t>(n));
    }
}

TEST(AreaTables, PlainRegionLabelsInBothLanguages) {
    struct Row {
        int code, tab;
        std::string_view english, korean;
    };
    const Row expected[] = {
        {0, 0, "All Areas(Exclude Japan)", "전체(일본제외)"},
        {1, 0, "All Areas", "전체"},
        {1, 4, "TaeJeon/ChungCheong", "대전/충청"},
        {1, 8, "Jeju", "제주도"},
        {3, 6, "Guangdong & Others", "광동이남"},
        {4, 3, "Surabaya/Bali/Lombok/East Java", "수라바야/발리/롬복/동부자바"},
        {4, 5, "Kalimantan/Irian Jaya", "깔리만탄/이리얀자야"},
        {5, 2, "Negeri Sembilan/Melaka/Johor", "네그리슴빌란/말라카/조호르"},
        {5, 6, "Sabah/Sarawak", "사바/사라왁"},
        {6, 5, "Mindanao Island", "민다나오섬"},
        {7, 0, "All Areas", "전체"},
        {8, 4, "Khao Yai/Nakhon Ratchasima", "카오야이/동부"},
        {8, 6, "Phuket/Koh Samui/Hat Yai", "푸켓/코사무이/핫야이"},
        {11, 3, "UAE", "UAE"},
        {11, 9, "Others", "기타"},
        {100, 0, "All Areas(Exclude USA)", "전체(미국제외)"},
        {106, 0, "All Areas", "전체"},
        {107, 4, "Puerto Rico", "푸에르토리코"},
        {200, 0, "All Areas(Exclude UK&Germany)", "전체(영국&독일제외)"},
        {215, 5, "Iceland", "아이슬란드"},
        {215, 10, "Others", "기타"},
        {300, 0, "All Areas", "전체"},
        {306, 2, "Guam", "괌"},
        {306, 4, "Others", "기타"},
        {400, 0, "All Courses", "전체"},
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
    struct Row {
        int code, tab;
        std::string_view korean;
    };
    const Row expected[] = {
        {202, 0, "전체"},
        {202, 3, "Ile de France/Languedoc"},
        {202, 8, "기타"},
        {203, 8, "기타"},
        {204, 1, "Emilia Romagna"},
        {205, 2, "Balearic Islands/Canary Islands"},
        {206, 4, "Varmland/Vastergotland/Vastmanland"},
        {207, 6, "West Ireland"},
        {302, 0, "전체"},
        {302, 2, "South Islands"},
        {303, 1, "Cape(s)"},
        {303, 4, "기타"},
    };
    for (const Row& row : expected) {
        EXPECT_EQ(RegionLabel(*FindRegionNames(row.code), row.tab, Language::Korean), row.korean)
            << row.code << " " << row.tab;
    }
    EXPECT_EQ(RegionTabLabels(207, Language::Korean, 0),
              (Labels{"전체", "Shannon", "South East", "South West", "Midlands East", "North West",
                      "West Ireland"}));

    // Only whole labels are replaced.
    const std::string_view english[] = {"All Areas(Exclude X)", "Others", "Other Counties",
                                        "All Areas"};
    const RegionNames table{.selectionCode = 999, .n = 4, .english = english};
    EXPECT_EQ(RegionLabel(table, 0, Language::Korean), "All Areas(Exclude X)");
    EXPECT_EQ(RegionLabel(table, 1, Language::Korean), "기타");
    EXPECT_EQ(RegionLabel(table, 2, Language::Korean), "Other Counties");
    EXPECT_EQ(RegionLabel(table, 3, Language::Korean), "전체");
    EXPECT_EQ(RegionLabel(table, 4, Language::Korean), "");
    EXPECT_EQ(RegionLabel(table, -1, Language::English), "");
}

TEST(AreaTables, SubdividedCountriesHaveTheirRowsAndSubAreaCounts) {
    struct Row {
        int code;
        std::int32_t base;
        MatchKind kind;
        std::string_view allKorean, allEnglish;
        std::vector<std::int32_t> subAreaCounts;
    };
    const Row expected[] = {
        {2, 501200, MatchKind::Japan, "전체", "All Courses", {9, 5, 1, 7, 7, 8, 4, 6}},
        {101,
         100100,
         MatchKind::Usa,
         "전체카운티",
         "All Counties",
         {19, 1,  7,  10, 33, 12, 8,  3,  1,  33, 23, 5, 6,  31, 25, 31, 14,
          18, 13, 8,  14, 11, 35, 28, 10, 20, 6,  8,  6, 6,  12, 6,  32, 32,
          7,  35, 13, 11, 31, 3,  16, 6,  18, 36, 6,  6, 27, 15, 7,  29, 5}},
        {102,
         100200,
         MatchKind::Canada,
         "전체",
         "All Courses",
         {6, 6, 1, 1, 1, 1, 1, 1, 9, 1, 5, 3, 1}},
        {201, 300100, MatchKind::UnitedKingdom, "전체", "All Courses", {10, 18, 6, 1, 1}},
        {301, 200100, MatchKind::Australia, "전체", "All Courses", {1, 4, 1, 4, 1, 1, 4, 1}},
    };
    ASSERT_EQ(SubdividedCountries().size(), 5u);
    for (const Row& row : expected) {
        const SubdividedCountry* country = FindSubdividedCountry(row.code);
        ASSERT_NE(country, nullptr) << row.code;
        EXPECT_EQ(country->base, row.base);
        EXPECT_EQ(country->kind, row.kind);
        EXPECT_EQ(country->allSubAreas.korean, row.allKorean);
        EXPECT_EQ(country->allSubAreas.english, row.allEnglish);
        EXPECT_EQ(country->showsCodes, row.code == 101);
        std::vector<std::int32_t> counts;
        for (const RegionRow& region : country->rows) {
            counts.push_back(region.subAreaCount);
            EXPECT_EQ(region.subAreas.size(), static_cast<std::size_t>(region.subAreaCount));
            EXPECT_EQ(region.regionNumber, static_cast<std::int32_t>(counts.size()));
        }
        EXPECT_EQ(counts, row.subAreaCounts) << row.code;
    }
}

TEST(AreaTables, RegionRowsKeepCodesNamesZonesAndNumbers) {
    struct Row {
        int code, tab;
        std::string_view letters, english, korean;
        std::int32_t zone, number;
        std::string_view firstSubArea, lastSubArea;
    };
    const Row expected[] = {
        {2, 0, "CB", "Chubu", "추부지역", 2, 1, "Aichi", "Yamanashi"},
        {2, 2, "HK", "Hokkaido", "홋카이도", 2, 3, "Hokkaido", "Hokkaido"},
        {2, 4, "KK", "Kinki", "킨키지역", 3, 5, "Hyogo", "Wakayama"},
        {2, 7, "TH", "Tohoku", "토호쿠지역", 2, 8, "Aomori", "Yamagata"},
        {101, 0, "AL", "Alabama", "알라바마", 9, 1, "Autauga/Baldwin", "Other Counties"},
        {101, 8, "DC", "Dist. of Columbia", "워싱턴DC", 7, 9, "All Counties", "All Counties"},
        {101, 25, "MO", "Missouri", "미져리", 16, 26, "Andrew/Audrain Co.", "Other Counties"},
        {101, 40, "SC", "South Carolina", "사우스캐롤라이나", 9, 41, "Aiken/Anderson Co.",
         "Other Counties"},
        {101, 43, "TX", "Texas", "텍사스", 18, 44, "Angelina/Archer/Austin", "Other Counties"},
        {101, 50, "WY", "Wyoming", "와이오밍", 14, 51, "Carbon/Crook Co.", "Other Counties"},
        {102, 0, "AB", "Alberta", "앨버타", 20, 1, "Calgary Area", "Southern Alberta"},
        {102, 8, "ON", "Ontario", "온타리오", 20, 9, "Barrie/Southcentral ON", "Toronto Area"},
        {102, 12, "YT", "Yukon Territory", "유콘", 20, 13, "All Courses", "All Courses"},
        {201, 0, "NE", "Northern England", "북잉글랜드", 22, 1, "Cheshire", "Others"},
        {201, 1, "SE", "Southern England", "남잉글랜드", 23, 2, "Bedfordshire/Berkshire", "Others"},
        {201, 4, "NI", "Northern Ireland", "북아일랜드", 22, 5, "All Courses", "All Courses"},
        {301, 0, "AC", "ACT", "수도권지역", 21, 1, "All Courses", "All Courses"},
        {301, 6, "VC", "Victoria", "빅토리아", 21, 7, "Bellarine Peninsula", "Sand Belt"},
        {301, 7, "WA", "Western Australia", "서부호주", 21, 8, "All Courses", "All Courses"},
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

    const RegionRow* chugoku = FindRegionRow(2, 1);
    EXPECT_EQ(Labels(chugoku->subAreas.begin(), chugoku->subAreas.end()),
              (Labels{"Hiroshima", "Okayama", "Shimane", "Tottori", "Yamaguchi"}));
    // Middle entries: the position is the sub-area number, so one slip shifts them all.
    EXPECT_EQ(FindRegionRow(101, 4)->subAreas[13], "Orange County");
    EXPECT_EQ(FindRegionRow(101, 35)->subAreas[16], "Hancock/Highland");
    EXPECT_EQ(FindRegionRow(201, 1)->subAreas[8], "Herefordshire/Hertfordshire");

    std::size_t usaNames = 0;
    for (const RegionRow& state : FindSubdividedCountry(101)->rows)
        usaNames += state.subAreas.size();
    EXPECT_EQ(usaNames, 798u);
}

TEST(AreaTables, UsaStripNamesOnlyTheSelectedState) {
    Labels states = RegionTabLabels(101, Language::English, 4);
    ASSERT_EQ(states.size(), 51u);
    EXPECT_EQ(states[0], "AL");
    EXPECT_EQ(states[4], "California");
    EXPECT_EQ(states[50], "WY");
    states = RegionTabLabels(101, Language::Korean, 0);
    EXPECT_EQ(states[0], "알라바마");
    EXPECT_EQ(states[4], "CA");
    // The other subdivided countries name every row.
    EXPECT_EQ(RegionTabLabels(2, Language::Korean, 0),
              (Labels{"추부지역", "추고쿠지역", "홋카이도", "칸토지역", "킨키지역", "큐슈지역",
                      "시코쿠지역", "토호쿠지역"}));
    EXPECT_EQ(
        RegionTabLabels(201, Language::English, 3),
        (Labels{"Northern England", "Southern England", "Scotland", "Wales", "Northern Ireland"}));
    EXPECT_TRUE(RegionTabLabels(12, Language::English, 0).empty());
}

TEST(AreaTables, SubAreaStripShowsAllThenTheListOfRealSubAreas) {
    EXPECT_EQ(SubAreaTabLabels(101, 1, Language::English), Labels{"All Counties"});
    EXPECT_EQ(SubAreaTabLabels(101, 1, Language::Korean), Labels{"전체카운티"});
    EXPECT_EQ(SubAreaTabLabels(102, 2, Language::English), Labels{"All Courses"});
    EXPECT_EQ(SubAreaTabLabels(2, 2, Language::Korean), Labels{"전체"});
    EXPECT_EQ(SubAreaTabLabels(301, 3, Language::Korean),
              (Labels{"전체", "Brisbane", "Gold Coast", "Sunshine Coast", "Tropical North"}));
    const Labels california = SubAreaTabLabels(101, 4, Language::English);
    ASSERT_EQ(california.size(), 34u);
    EXPECT_EQ(california[0], "All Counties");
    EXPECT_EQ(california[1], "Alameda County");
    EXPECT_EQ(california[33], "Other Counties");
    EXPECT_TRUE(SubAreaTabLabels(101, 51, Language::English).empty());
    EXPECT_TRUE(SubAreaTabLabels(1, 0, Language::English).empty());
    EXPECT_FALSE(HasSubAreas(*FindRegionRow(201, 3)));
    EXPECT_TRUE(HasSubAreas(*FindRegionRow(102, 11)));
}

}  // namespace
}  // namespace orvane
