#include <gtest/gtest.h>

#include <algorithm>

#include "browser/Browser.h"
#include "browser/InformationBox.h"
#include "browser/MemoryLine.h"
#include "support/CourseBuilder.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::MakeCourse;
using Cells = std::vector<std::string>;

class BrowserTest : public ::testing::Test {
protected:
    BrowserTest() {
        device_.DeviceRoot = folder_.path();
        device_.HardwareVersion = "V4.3.0Kr";
        device_.MarketCode = "Kr";
        device_.ModelCode = 9;
        data_.CatalogueList[0] = {
            MakeCourse(0, 50100101, "SEOUL", "서울 컨트리클럽", 1.25),
            MakeCourse(0, 50100102, "ANYANG", "안양 골프장", 1.50, Mark::Updated),
            MakeCourse(0, 50100008, "JEJU", "제주 오션 클럽", 2.00, Mark::New)};
        data_.DeviceList[0] = {MakeCourse(0, 50100102, "ANYANG", "", 1.25),
                               MakeCourse(0, 50100101, "SEOUL", "", 1.25)};
        // Texas courses carry the state's region number from the tables.
        const SubdividedCountry* usa = FindSubdividedCountry(101);
        const auto texas = std::ranges::find(usa->rows, "Texas", &RegionRow::english);
        const std::int32_t county = (usa->base + texas->regionNumber) * 100 + 1;
        data_.CatalogueList[static_cast<std::size_t>(texas->zone)] = {
            MakeCourse(texas->zone, county, "TXONE", "Texas One Golf Club", 1.10, Mark::New),
            MakeCourse(texas->zone, county, "TXTWO", "Two Rivers Country Club", 1.20)};
    }

    std::vector<std::string> Column(std::size_t column) const {
        std::vector<std::string> cells;
        for (const CourseRow& row : browser_->list.rows()) cells.push_back(row.Cell(column));
        return cells;
    }

    void Open(Language language) {
        ui_.SetLanguage(language);
        browser_ = std::make_unique<Browser>(data_, device_, ui_);
    }

    testing::TempFolder folder_;
    testing::RecordingShell shell_;
    Ui ui_{shell_, Language::English};
    DeviceLink device_;
    CatalogueData data_;
    std::unique_ptr<Browser> browser_;
};

TEST_F(BrowserTest, KoreanCoursesShowTheirMarksAndVersions) {
    Open(Language::Korean);
    browser_->SetUpForMarket();
    browser_->ShowArea();
    EXPECT_EQ(browser_->SelectionCode(), 1);
    // Sorted by the stored column, where an added course sorts by its added text.
    EXPECT_EQ(Column(kStoredColumn),
              (Cells{"서울 컨트리클럽 [ v1.25 ]", "안양 골프장 [ v1.25 ]", " "}));
    EXPECT_EQ(Column(kAddedColumn), (Cells{"", "", "제주 오션 클럽 [ v2.00 ]"}));
    EXPECT_EQ(Column(kModifiedColumn), (Cells{"", "안양 골프장 [ v1.50 ]", ""}));
    EXPECT_EQ(browser_->headings,
              (std::array<std::string, 3>{"저장되어있는 골프장 (2)", "추가된 골프장 (1)",
                                          "수정된 골프장 (1)"}));
    EXPECT_FALSE(browser_->subAreaTab.visible);
}

TEST_F(BrowserTest, SortRulesAndTheCheckAllToggle) {
    Open(Language::English);
    browser_->SelectCountry(1);
    // English names Korean courses by their short name; the added JEJU sorts
    // by its added text, between the two stored courses.
    EXPECT_EQ(Column(kStoredColumn), (Cells{"ANYANG [ v1.25 ]", " ", "SEOUL [ v1.25 ]"}));
    browser_->ColumnHeaderClicked(kModifiedColumn);
    EXPECT_EQ(Column(kNameColumn), (Cells{"ANYANG", "JEJU", "SEOUL"}));
    browser_->ColumnHeaderClicked(kAddedColumn);
    EXPECT_EQ(Column(kNameColumn).front(), "JEJU");  // its stored cell is " "

    browser_->ColumnHeaderClicked(kCheckColumn);
    EXPECT_TRUE(std::ranges::all_of(browser_->list.rows(), &CourseRow::checked));
    browser_->ColumnHeaderClicked(kCheckColumn);
    EXPECT_TRUE(std::ranges::none_of(browser_->list.rows(), &CourseRow::checked));
    browser_->ColumnHeaderClicked(kCheckColumn);
    browser_->SelectRegion(0);
    EXPECT_TRUE(std::ranges::none_of(browser_->list.rows(), &CourseRow::checked));
    EXPECT_FALSE(browser_->list.allChecked());
}

TEST_F(BrowserTest, SubdividedCountriesShowTheSubAreaStrip) {
    device_.MarketCode = "Us";
    Open(Language::English);
    browser_->SetUpForMarket();
    browser_->ShowArea();
    EXPECT_EQ(browser_->SelectionCode(), 101);
    EXPECT_TRUE(browser_->subAreaTab.visible);
    // Only the selected state is named; the others show their codes.
    const auto texas = std::ranges::find(browser_->regionTab.labels, "TX");
    ASSERT_NE(texas, browser_->regionTab.labels.end());
    const int texasTab = static_cast<int>(texas - browser_->regionTab.labels.begin());
    browser_->SelectRegion(texasTab);
    EXPECT_EQ(browser_->regionTab.labels[static_cast<std::size_t>(texasTab)], "Texas");
    EXPECT_EQ(Column(kAddedColumn).size(), 2u);
}

TEST_F(BrowserTest, SearchFindsWordsInAnyCaseAndKoreanShortNames) {
    // Titles from Windows-made lists come in CP949; the person types UTF-8.
    data_.CatalogueList[0].push_back(
        MakeCourse(0, 50100103, "NAMSEOUL", "\xB3\xB2\xBC\xAD\xBF\xEF CC", 1.0));
    data_.CatalogueList[0].push_back(MakeCourse(0, 50100104, "WIEN", "ÖSTERREICH GC", 1.0));
    Open(Language::English);
    EXPECT_TRUE(browser_->SearchCourses("남서울"));
    EXPECT_EQ(Column(kNameColumn), (Cells{"NAMSEOUL"}));
    EXPECT_TRUE(browser_->SearchCourses("österreich gc"));
    EXPECT_EQ(Column(kNameColumn), (Cells{"WIEN"}));
    EXPECT_TRUE(browser_->SearchCourses("club TEXAS"));
    EXPECT_EQ(browser_->SelectionCode(), 400);
    EXPECT_EQ(Column(kNameColumn), (Cells{"TXONE"}));
    EXPECT_TRUE(browser_->SearchCourses("오션"));
    EXPECT_EQ(Column(kNameColumn), (Cells{"JEJU"}));

    EXPECT_FALSE(browser_->SearchCourses(""));
    EXPECT_FALSE(browser_->SearchCourses("nowhere"));
    const std::vector<Question> expected = {{"No input.", "Notice", Buttons::Ok},
                                            {"Cannot find.", "Notice", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    // The last results stay listed under the results continent.
    browser_->SelectContinent(0);
    browser_->SelectContinent(4);
    EXPECT_EQ(Column(kNameColumn), (Cells{"JEJU"}));
}

TEST_F(BrowserTest, TheEuropeanAllViewListsEachCountryInTurn) {
    // Zone 27 in file order mixes countries; the view lists them country by
    // country (in code order) before sorting, so equal texts keep that order.
    data_.CatalogueList[27] = {MakeCourse(27, 30130101, "CH", "Same Name", 1.0, Mark::New),
                               MakeCourse(27, 30040101, "IT", "Same Name", 1.0, Mark::New),
                               MakeCourse(27, 39990101, "XX", "Alpine", 1.0, Mark::New),
                               MakeCourse(27, 30070101, "IE", "Same Name", 1.0, Mark::New)};
    Open(Language::English);
    browser_->SelectContinent(2);
    EXPECT_EQ(Column(kNameColumn), (Cells{"XX", "IT", "IE", "CH"}));
}

TEST_F(BrowserTest, InformationBoxNamesTheChosenArea) {
    Open(Language::English);
    EXPECT_EQ(AreaText(*browser_, Language::English), "Asia/Pacific \\\r\nAll");
    browser_->SelectCountry(1);
    browser_->SelectRegion(8);
    EXPECT_EQ(AreaText(*browser_, Language::Korean), "아시아/태평양 \\\r\n한국 \\\r\n제주도");
    EXPECT_EQ(InformationText(*browser_, Language::English),
              "Download All Courses\r\nAdded(1)/Modified(0)\r\nAt Selected Area\r\n\r\n"
              "Asia/Pacific \\\r\nKorea \\\r\nJeju\r\n");

    browser_->SelectContinent(1);
    browser_->SelectCountry(1);
    browser_->SelectSubArea(1);
    EXPECT_EQ(AreaText(*browser_, Language::English),
              "USA \\\r\nAlabama \\\r\n" + browser_->subAreaTab.labels[1]);
    ASSERT_TRUE(browser_->SearchCourses("texas"));
    EXPECT_EQ(AreaText(*browser_, Language::English), "Searched");
}

TEST(VersionCellText, WritesWhatPrintfWould) {
    // Every half-hundredth up to 5, where rounding shows first, then larger ones.
    std::uint32_t state = 99;
    for (int i = 0; i < 2000; ++i) {
        state = state * 1664525u + 1013904223u;
        const double version = i < 1000 ? i * 0.005 : (state % 1000000) / 9999.7;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%s [ v%2.2lf ]", "Club", version);
        ASSERT_EQ(VersionCellText("Club", version), expected) << version;
    }
}

TEST_F(BrowserTest, MemoryLineInBothLanguages) {
    Open(Language::English);
    EXPECT_EQ(browser_->memoryLine,
              "[Remained Memory Space(Map Count)]: " + std::to_string(browser_->remainingMapCount));
    ui_.SetLanguage(Language::Korean);
    device_.HardwareVersion.clear();
    browser_->RebuildBrowser();
    EXPECT_EQ(browser_->memoryLine, "[남은 저장 공간(골프장갯수)]: _____");

    EXPECT_EQ(RemainingMapCount(4194304 + 50000 * 7 + 49999, 9), 7);
    EXPECT_EQ(RemainingMapCount(1048576 + 6500 * 3, 3), 3);
    EXPECT_EQ(RemainingMapCount(277504 + 1500 * 10, 4), 10);
    // Below the reserve the device takes no more maps (the count would wrap).
    EXPECT_EQ(RemainingMapCount(1000, 9), 0);
}

}  // namespace
}  // namespace orvane
