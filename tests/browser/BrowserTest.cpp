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

using testing::RecordingShell;
using testing::TempFolder;
using Cells = std::vector<std::string>;

CourseNode Course(int zone, std::int32_t id, std::string name, std::string title, double version,
                  Mark mark = Mark::Stored) {
    return testing::MakeCourse(zone, id, std::move(name), std::move(title), version, mark);
}

class BrowserTest : public ::testing::Test {
protected:
    BrowserTest() {
        device_.DeviceRoot = folder_.path();
        device_.HardwareVersion = "V4.3.0Kr";
        device_.MarketCode = "Kr";
        device_.ModelCode = 9;
        auto& korea = data_.CatalogueList[0];
        korea = {Course(0, 50100101, "SEOUL", "서울 컨트리클럽", 1.25),
                 Course(0, 50100102, "ANYANG", "안양 골프장", 1.50, Mark::Updated),
                 Course(0, 50100008, "JEJU", "제주 오션 클럽", 2.00, Mark::New)};
        data_.DeviceList[0] = {Course(0, 50100102, "ANYANG", "", 1.25),
                               Course(0, 50100101, "SEOUL", "", 1.25)};
        // Texas courses carry the state's region number from the tables.
        const SubdividedCountry* usa = FindSubdividedCountry(101);
        const auto texas = std::ranges::find(usa->rows, "Texas", &RegionRow::english);
        const std::int32_t county = (usa->base + texas->regionNumber) * 100 + 1;
        data_.CatalogueList[static_cast<std::size_t>(texas->zone)] = {
            Course(texas->zone, county, "TXONE", "Texas One Golf Club", 1.10, Mark::New),
            Course(texas->zone, county, "TXTWO", "Two Rivers Country Club", 1.20)};
    }

    std::vector<std::string> Column(std::size_t column) const {
        std::vector<std::string> cells;
        for (const CourseRow& row : browser_->list.rows()) cells.push_back(row.cells[column]);
        return cells;
    }

    void Open(Language language) {
        ui_.SetLanguage(language);
        browser_ = std::make_unique<Browser>(data_, device_, ui_);
    }

    TempFolder folder_;
    RecordingShell shell_;
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
    EXPECT_EQ(Column(kNameColumn), (Cells{"SEOUL", "ANYANG", "JEJU"}));
    EXPECT_EQ(Column(kIdColumn), (Cells{"50100101", "50100102", "50100008"}));
    EXPECT_EQ(browser_->headings,
              (std::array<std::string, 3>{"저장되어있는 골프장 (2)", "추가된 골프장 (1)",
                                          "수정된 골프장 (1)"}));
    EXPECT_FALSE(browser_->subAreaTab.visible);
}

TEST_F(BrowserTest, EnglishListsKoreanCoursesByTheirShortName) {
    Open(Language::English);
    browser_->SelectCountry(1);
    // The added JEJU sorts by its added text, between the two stored courses.
    EXPECT_EQ(Column(kStoredColumn), (Cells{"ANYANG [ v1.25 ]", " ", "SEOUL [ v1.25 ]"}));
    EXPECT_EQ(browser_->headings[0], "Stored Courses (2)");
}

TEST_F(BrowserTest, SortRulesAndTheCheckAllToggle) {
    Open(Language::English);
    browser_->SelectCountry(1);
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
    EXPECT_EQ(browser_->subAreaTab.labels.front(), "All Counties");
    EXPECT_EQ(Column(kAddedColumn).size(), 2u);

    browser_->SelectContinent(0);
    browser_->SelectCountry(1);
    EXPECT_FALSE(browser_->subAreaTab.visible);
}

TEST_F(BrowserTest, SearchFindsWordsInAnyCaseAndKoreanShortNames) {
    Open(Language::English);
    EXPECT_TRUE(browser_->SearchCourses("club TEXAS"));
    EXPECT_EQ(browser_->SelectionCode(), 400);
    EXPECT_EQ(Column(kNameColumn), (Cells{"TXONE"}));
    EXPECT_EQ(browser_->regionTab.labels, (Cells{"All Courses"}));

    EXPECT_TRUE(browser_->SearchCourses("anyang"));
    EXPECT_EQ(Column(kStoredColumn), (Cells{"ANYANG [ v1.25 ]"}));
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
    data_.CatalogueList[27] = {Course(27, 30130101, "CH", "Same Name", 1.0, Mark::New),
                               Course(27, 30040101, "IT", "Same Name", 1.0, Mark::New),
                               Course(27, 39990101, "XX", "Alpine", 1.0, Mark::New),
                               Course(27, 30070101, "IE", "Same Name", 1.0, Mark::New)};
    Open(Language::English);
    browser_->SelectContinent(2);
    EXPECT_EQ(browser_->SelectionCode(), 200);
    EXPECT_EQ(Column(kNameColumn), (Cells{"XX", "IT", "IE", "CH"}));
}

TEST_F(BrowserTest, InformationBoxNamesTheChosenArea) {
    Open(Language::English);
    EXPECT_EQ(AreaText(*browser_, Language::English), "Asia/Pacific \\\r\nAll");
    browser_->SelectCountry(1);
    EXPECT_EQ(AreaText(*browser_, Language::English), "Asia/Pacific \\\r\nKorea \\\r\nAll");
    browser_->SelectRegion(8);
    EXPECT_EQ(AreaText(*browser_, Language::Korean), "아시아/태평양 \\\r\n한국 \\\r\n제주도");
    EXPECT_EQ(InformationText(*browser_, Language::English),
              "Download All Courses\r\nAdded(1)/Modified(0)\r\nAt Selected Area\r\n\r\n"
              "Asia/Pacific \\\r\nKorea \\\r\nJeju\r\n");
    EXPECT_TRUE(InformationText(*browser_, Language::Korean)
                    .starts_with("선택지역에서\r\n추가(1)/수정된(0)"));

    browser_->SelectContinent(1);
    browser_->SelectCountry(1);
    EXPECT_EQ(AreaText(*browser_, Language::English), "USA \\\r\nAlabama \\\r\nAll Counties");
    browser_->SelectSubArea(1);
    EXPECT_EQ(AreaText(*browser_, Language::English),
              "USA \\\r\nAlabama \\\r\n" + browser_->subAreaTab.labels[1]);

    ASSERT_TRUE(browser_->SearchCourses("texas"));
    EXPECT_EQ(AreaText(*browser_, Language::English), "Searched");
}

TEST(VersionCellText, WritesWhatPrintfWould) {
    std::uint32_t state = 99;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1664525u + 1013904223u;
        const double version = i < 2000 ? i * 0.005 : (state % 1000000) / 9999.7;
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
    browser_->RebuildBrowser();
    EXPECT_TRUE(browser_->memoryLine.starts_with("[남은 저장 공간(골프장갯수)]: "));
    device_.HardwareVersion.clear();
    browser_->UpdateMemoryLine();
    EXPECT_EQ(browser_->memoryLine, "[남은 저장 공간(골프장갯수)]: _____");

    EXPECT_EQ(RemainingMapCount(4194304 + 50000 * 7 + 49999, 9), 7);
    EXPECT_EQ(RemainingMapCount(1048576 + 6500 * 3, 3), 3);
    EXPECT_EQ(RemainingMapCount(277504 + 1500 * 10, 4), 10);
    // Below the reserve the device takes no more maps (the count would wrap).
    EXPECT_EQ(RemainingMapCount(1000, 9), 0);
    EXPECT_EQ(RemainingMapCount(0, 4), 0);
}

}  // namespace
}  // namespace orvane
