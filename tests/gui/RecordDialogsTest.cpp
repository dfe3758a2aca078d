#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <iterator>
#include <set>
#include <sstream>

#include "RecordWindowsDriver.h"
#include "SuiteWorld.h"
#include "gui/CRoundStatistics.h"
#include "gui/CSaveRecord.h"
#include "gui/CViewRecordData.h"
#include "gui/CViewScore.h"
#include "records/Clubs.h"
#include "records/PackedFile.h"
#include "records/PlayedShots.h"
#include "records/RecordLists.h"
#include "records/RoundStatisticsTexts.h"
#include "util/Text.h"

namespace orvane::testing {

const WorldRecipe kWorldRecipe{11, {"--courses", "300", "--no-maps"}, "model8-kr"};

namespace {

// Every text the two record dialogs and their commands show, as the
// person reads it in each language.
struct DialogTexts {
    Language language;
    QString notice;
    QString notFinished;
    QString notSupported;
    QString noSelection;
    QString saved;
    QString noSavedRecords;
    QString saveFolderPrompt;
    QString viewFolderPrompt;
    QString saveTitle;
    QStringList saveHeadings;
    QString saveButton;
    QString cancelButton;
    QString viewTitle;
    QStringList viewHeadings;
    QString viewButton;
};

const DialogTexts kKorean{Language::Korean,
                          "알림",
                          "다운로드 중 입니다.",
                          "지원되지 않는 단말기입니다.",
                          "선택된 기록데이터가 없습니다.",
                          "저장 되었습니다.",
                          "저장된 기록 데이터가 없습니다.",
                          "기록 데이터를 저장할 폴더를 선택하세요.",
                          "기록 데이터가 저장된 폴더를 선택하세요.",
                          "기록데이터저장하기",
                          {"날짜_시간", "골프장"},
                          "저장(&S)",
                          "취소(&C)",
                          "기록데이터보기",
                          {"날짜_시간", "골프장", "전", "후", "합계"},
                          "보기(&V)"};

const DialogTexts kEnglish{Language::English,
                           "Notice",
                           "Not finished downloading.",
                           "Not support model.",
                           "No selected record data.",
                           "Saved data.",
                           "No Saved record data.",
                           "Select directory to save record data.",
                           "Select directory saved record data.",
                           "Save Record Data",
                           {"Date_Hour", "Club Name"},
                           "Save(&S)",
                           "Cancel(&C)",
                           "View Record Data",
                           {"Date_Hour", "Club Name", "Out", "In", "Total"},
                           "View(&V)"};

void PrintTo(const DialogTexts& texts, std::ostream* out) {
    *out << (texts.language == Language::Korean ? "Korean texts" : "English texts");
}

QStringList Headings(const QAbstractItemModel& model) {
    QStringList headings;
    for (int column = 0; column < model.columnCount(); ++column)
        headings << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return headings;
}

std::vector<std::string> Column(const std::vector<RecordRow>& rows, std::size_t column) {
    std::vector<std::string> cells;
    for (const RecordRow& row : rows) cells.push_back(row.cells[column]);
    return cells;
}

void ClickHeading(gui::RecordTable& table, int column) {
    QHeaderView* header = table.horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void Tick(gui::RecordListDialog& dialog, int row) {
    dialog.model().setData(dialog.model().index(row, 0), Qt::Checked, Qt::CheckStateRole);
}

// The record dialogs over the demo devices, in both languages.
class RecordDialogs : public ::testing::TestWithParam<DialogTexts> {
protected:
    const DialogTexts& texts() const { return GetParam(); }

    std::unique_ptr<WindowDriver> Connect(std::string_view family) {
        return ConnectedWindow(World().world().Device(family), scratch_.path(), texts().language);
    }

    // Runs `command` and waits for its message box.
    static ShownBox BoxOf(WindowDriver& driver, WindowCommand command) {
        const std::size_t before = driver.boxes().shown().size();
        EXPECT_TRUE(driver.WaitIdle());
        driver.window().RunCommand(command);
        EXPECT_TRUE(WaitFor([&] { return driver.boxes().shown().size() > before; }));
        return driver.boxes().shown().empty() ? ShownBox{} : driver.boxes().shown().back();
    }

    // Clicks `button` once the dialog's last job has ended, and waits for
    // the message box it leads to.
    static ShownBox BoxOf(WindowDriver& driver, QPushButton& button) {
        const std::size_t before = driver.boxes().shown().size();
        EXPECT_TRUE(WaitFor([&] { return button.isEnabled(); }));
        WindowDriver::Click(button);
        EXPECT_TRUE(WaitFor([&] { return driver.boxes().shown().size() > before; }));
        return driver.boxes().shown().empty() ? ShownBox{} : driver.boxes().shown().back();
    }

    void ExpectNotice(const ShownBox& box, const QString& text) const {
        EXPECT_EQ(box.title, texts().notice);
        EXPECT_EQ(box.text, text);
    }

    TempFolder scratch_;
    std::filesystem::path records_ = scratch_.path() / "records";
};

// A running transfer stops every record command; a V3.0 device has no
// records to save. Neither opens a window.
TEST_P(RecordDialogs, CommandsRefuseWhileATransferRunsAndOnAV30Device) {
    auto driver = Connect("model9-us");
    bool started = false;
    RunOnWorker(*driver,
                [&](Session& s) { started = s.transfer.Start(TransferCommand::OthersNew); });
    ASSERT_TRUE(started);
    driver->boxes().Clear();
    for (const WindowCommand command :
         {WindowCommand::SaveRecords, WindowCommand::ViewRecords, WindowCommand::RoundStatistics})
        ExpectNotice(BoxOf(*driver, command), texts().notFinished);
    RunOnWorker(*driver, [](Session& s) { s.transfer.Stop(); });

    RunOnWorker(*driver, [](Session& s) { s.device.HardwareVersion = "V3.0.2Kr"; });
    ExpectNotice(BoxOf(*driver, WindowCommand::SaveRecords), texts().notSupported);
    EXPECT_TRUE(driver->WaitIdle());
    EXPECT_FALSE(WindowShown<gui::CSaveRecord>());
    EXPECT_FALSE(WindowShown<gui::CViewRecordData>());
}

// Save asks for the folder once, saves each ticked round packed under its
// date and club and keeps the dialog open; the viewer then lists them from
// the same folder without asking.
TEST_P(RecordDialogs, SaveDialogSavesTheTickedRoundsIntoTheFolderItAsksForOnce) {
    auto driver = Connect("model7-kr");
    FileDialogAnswerer files;
    driver->window().RunCommand(WindowCommand::SaveRecords);
    auto* save = WaitForWindow<gui::CSaveRecord>();
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->windowTitle(), texts().saveTitle);
    EXPECT_EQ(Headings(save->model()), texts().saveHeadings);
    EXPECT_EQ(save->actionButton().text(), texts().saveButton);
    EXPECT_EQ(save->cancelButton().text(), texts().cancelButton);
    EXPECT_GE(save->table().columnWidth(0), 120);
    EXPECT_GE(save->table().columnWidth(1), 160);

    const std::vector<RecordEntry> device = driver->session().deviceRecords;
    const std::vector<RecordRow> expected = SortedSaveDialogRows(device, texts().language);
    ASSERT_GE(expected.size(), 3u);
    EXPECT_EQ(Column(save->model().rows(), 0), Column(expected, 0));
    EXPECT_EQ(Column(save->model().rows(), 1), Column(expected, 1));

    ExpectNotice(BoxOf(*driver, save->actionButton()), texts().noSelection);
    EXPECT_TRUE(files.shown().empty());

    Tick(*save, 0);
    Tick(*save, 2);
    files.Script(records_);
    std::filesystem::create_directories(records_);
    ExpectNotice(BoxOf(*driver, save->actionButton()), texts().saved);
    ASSERT_EQ(files.shown().size(), 1u);
    EXPECT_EQ(files.shown()[0].caption, texts().saveFolderPrompt);
    std::set<std::string> written;
    for (const std::size_t row : {0u, 2u}) {
        const RecordEntry& entry = device[expected[row].entry];
        const auto file = records_ / SavedRecordFileName(entry);
        std::string unpacked;
        ASSERT_GT(unpackFile(file, unpacked), 0) << file;
        EXPECT_EQ(unpacked, ReadWholeFile(World().world().Device("model7-kr") / "UserData" /
                                          std::filesystem::path(entry.path).filename()));
        written.insert(file.filename().string());
    }
    EXPECT_EQ(RoundFiles(records_, [](const RecordEntry&) { return true; }).size(), 2u);

    // The dialog stays; the next Save asks for no folder.
    ASSERT_TRUE(save->isVisible());
    Tick(*save, 1);
    ExpectNotice(BoxOf(*driver, save->actionButton()), texts().saved);
    EXPECT_EQ(files.shown().size(), 1u);
    ASSERT_TRUE(WaitFor([&] { return save->cancelButton().isEnabled(); }));
    WindowDriver::Click(save->cancelButton());
    EXPECT_TRUE(WaitFor([] { return !WindowShown<gui::CSaveRecord>(); }));

    EXPECT_TRUE(driver->WaitIdle());
    driver->window().RunCommand(WindowCommand::ViewRecords);
    auto* viewer = WaitForWindow<gui::CViewRecordData>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(files.shown().size(), 1u);
    EXPECT_EQ(viewer->model().rowCount(), 3);
}

// The viewer asks for the folder until one is chosen, says when it holds no
// round, and the save dialog then saves into it without asking.
TEST_P(RecordDialogs, FolderChosenForTheViewerServesTheSaveDialog) {
    auto driver = Connect("model9-us");
    FileDialogAnswerer files;
    files.Script({});
    EXPECT_TRUE(driver->WaitIdle());
    driver->window().RunCommand(WindowCommand::ViewRecords);
    ASSERT_TRUE(WaitFor([&] { return files.shown().size() == 1; }));
    EXPECT_EQ(files.shown()[0].caption, texts().viewFolderPrompt);
    EXPECT_TRUE(driver->WaitIdle());
    EXPECT_TRUE(driver->boxes().shown().empty());

    std::filesystem::create_directories(records_);
    files.Script(records_);
    ExpectNotice(BoxOf(*driver, WindowCommand::ViewRecords), texts().noSavedRecords);
    EXPECT_EQ(files.shown().size(), 2u);
    EXPECT_FALSE(WindowShown<gui::CViewRecordData>());

    driver->window().RunCommand(WindowCommand::SaveRecords);
    auto* save = WaitForWindow<gui::CSaveRecord>();
    ASSERT_NE(save, nullptr);
    Tick(*save, 0);
    ExpectNotice(BoxOf(*driver, save->actionButton()), texts().saved);
    EXPECT_EQ(files.shown().size(), 2u);
    save->close();

    EXPECT_TRUE(driver->WaitIdle());
    driver->window().RunCommand(WindowCommand::ViewRecords);
    auto* viewer = WaitForWindow<gui::CViewRecordData>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), texts().viewTitle);
    EXPECT_EQ(Headings(viewer->model()), texts().viewHeadings);
    EXPECT_EQ(viewer->actionButton().text(), texts().viewButton);
    const int widths[] = {100, 160, 40, 40, 50};
    for (int column = 0; column < 5; ++column)
        EXPECT_GE(viewer->table().columnWidth(column), widths[column]);
    EXPECT_EQ(viewer->model().rowCount(), 1);
    // Nothing is selected when the list opens.
    ExpectNotice(BoxOf(*driver, viewer->actionButton()), texts().noSelection);
    EXPECT_FALSE(WindowShown<gui::CViewScore>());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, RecordDialogs, ::testing::Values(kKorean, kEnglish),
                         [](const auto& tested) {
                             return tested.param.language == Language::Korean ? "Korean"
                                                                              : "English";
                         });

// The viewer over the folder of the world's saved rounds.
class RecordViewer : public ::testing::Test {
protected:
    std::unique_ptr<WindowDriver> ConnectWithFolder() {
        auto driver = ConnectedWindow(World().world().Device("model8-kr"), scratch_.path(),
                                      Language::English);
        RunOnWorker(*driver, [](Session& s) { s.recordFolder.path = World().records(); });
        return driver;
    }

    static gui::CViewRecordData* OpenViewer(WindowDriver& driver) {
        EXPECT_TRUE(driver.WaitIdle());
        driver.window().RunCommand(WindowCommand::ViewRecords);
        return WaitForWindow<gui::CViewRecordData>();
    }

    TempFolder scratch_;
};

// The round's text with the hour of its start time (line 4) one less.
std::string StartedAnHourEarlier(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 2;
    }
    std::istringstream fields(lines[3]);
    std::vector<int> start{std::istream_iterator<int>(fields), std::istream_iterator<int>()};
    start[4] -= 1;
    lines[3].clear();
    for (const int value : start) lines[3] += (lines[3].empty() ? "" : " ") + std::to_string(value);
    std::string earlier;
    for (const std::string& line : lines) earlier += line + "\r\n";
    return earlier;
}

bool Descending(const std::vector<std::string>& cells) {
    return std::is_sorted(cells.rbegin(), cells.rend());
}

bool Ascending(const std::vector<std::string>& cells) {
    return std::is_sorted(cells.begin(), cells.end());
}

// Newest first at the first opening; a heading click sorts by its column,
// a second click turns it, and each column keeps its direction for the run.
TEST_F(RecordViewer, SortsByTheClickedColumnAndKeepsTheDirections) {
    auto driver = ConnectWithFolder();
    auto* viewer = OpenViewer(*driver);
    ASSERT_NE(viewer, nullptr);
    const auto cells = [&](std::size_t column) { return Column(viewer->model().rows(), column); };
    const auto indicator = [&] {
        QHeaderView* header = viewer->table().horizontalHeader();
        return std::pair(header->sortIndicatorSection(), header->sortIndicatorOrder());
    };
    ASSERT_GE(viewer->model().rowCount(), 5);
    EXPECT_TRUE(Descending(cells(0)));
    EXPECT_EQ(indicator(), std::pair(0, Qt::DescendingOrder));

    ClickHeading(viewer->table(), 1);
    EXPECT_TRUE(Ascending(cells(1)));
    EXPECT_FALSE(Descending(cells(1)));
    EXPECT_EQ(indicator(), std::pair(1, Qt::AscendingOrder));
    ClickHeading(viewer->table(), 1);
    EXPECT_TRUE(Descending(cells(1)));
    EXPECT_EQ(indicator(), std::pair(1, Qt::DescendingOrder));
    ClickHeading(viewer->table(), 0);
    EXPECT_TRUE(Descending(cells(0)));
    // Totals sort as text: "100" before "99".
    ClickHeading(viewer->table(), 4);
    EXPECT_TRUE(Ascending(cells(4)));
    ClickHeading(viewer->table(), 0);
    ClickHeading(viewer->table(), 0);
    EXPECT_TRUE(Ascending(cells(0)));

    // The next opening sorts as this one was left.
    viewer->close();
    viewer = OpenViewer(*driver);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(Ascending(cells(0)));
    EXPECT_EQ(indicator(), std::pair(0, Qt::AscendingOrder));

    // A nine-hole round has no back nine: its In is empty, its Total its Out.
    bool sawNine = false;
    for (const RecordRow& row : viewer->model().rows()) {
        if (!row.cells[3].empty()) continue;
        sawNine = true;
        EXPECT_EQ(row.cells[4], row.cells[2]);
    }
    EXPECT_TRUE(sawNine);
}

// Two files of one club and hour make two equal rows; View on either opens
// the first file in the folder's order.
TEST_F(RecordViewer, ViewOpensTheFirstOfTwoRoundsOfOneClubAndHour) {
    const std::string first = RoundFiles(World().records(), EighteenWithMap).front();
    const RecordEntry original = [&] {
        for (const RecordEntry& round : SavedRounds(World().records()))
            if (round.fileName == first) return round;
        return RecordEntry{};
    }();
    // The device's own name for the same round, started an hour earlier: it
    // lists after the saved name, whose date comes first.
    std::string text;
    ASSERT_GT(unpackFile(World().records() / first, text), 0);
    std::string stamp = original.date;
    std::erase(stamp, '.');
    const auto twin = World().records() / (original.name + "_" + stamp + ".dat");
    ASSERT_EQ(packToFile(StartedAnHourEarlier(text), twin), 1);

    auto driver = ConnectWithFolder();
    auto* viewer = OpenViewer(*driver);
    std::filesystem::remove(twin);
    ASSERT_NE(viewer, nullptr);
    std::vector<int> equalRows;
    const auto& rows = viewer->model().rows();
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (rows[row].cells[0] == original.date) equalRows.push_back(static_cast<int>(row));
    ASSERT_EQ(equalRows.size(), 2u);
    EXPECT_EQ(rows[static_cast<std::size_t>(equalRows[0])].cells,
              rows[static_cast<std::size_t>(equalRows[1])].cells);

    viewer->table().selectRow(equalRows[1]);
    WindowDriver::Click(viewer->actionButton());
    auto* card = WaitForWindow<gui::CViewScore>();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->entry().fileName, first);
    const RoundRecord& record = *original.record;
    EXPECT_EQ(card->timeLine().text().toStdString(),
              Format(":   %02d:%02d  ~  %02d:%02d", record.startTime[4], record.startTime[5],
                     record.endTime[4], record.endTime[5]));
}

// The statistics window shows the core's figures of the folder's rounds.
TEST_F(RecordViewer, StatisticsWindowShowsTheCoresFigures) {
    auto driver = ConnectWithFolder();
    EXPECT_TRUE(driver->WaitIdle());
    const std::vector<RecordEntry> entries = buildSavedRecordList(
        driver->session().catalogue, World().records(), ListRecordFolder(World().records()));
    const RoundStatistics expected = ComputeRoundStatistics(entries);
    driver->window().RunCommand(WindowCommand::RoundStatistics);
    auto* window = WaitForWindow<gui::CRoundStatistics>();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Round Statistics");

    const Language english = Language::English;
    std::vector<std::string> summary;
    for (const QLabel* line : window->summary()) summary.push_back(line->text().toStdString());
    EXPECT_EQ(summary, (std::vector<std::string>{
                           RoundsPlayedText(expected, english),
                           MeanText(expected.eighteen.strokes),
                           MeanText(expected.nine.strokes),
                           PlayedRoundText(entries, expected.eighteen.best, english),
                           PlayedRoundText(entries, expected.nine.best, english),
                           PlayedRoundText(entries, expected.Latest(), english),
                       }));
    EXPECT_EQ(window->summary()[1]->accessibleName(), "Average strokes, 18 holes");

    const QAbstractItemModel& holes = *window->holes().model();
    ASSERT_EQ(holes.columnCount(), 18);
    for (int hole = 0; hole < 18; ++hole) {
        const WholeMean& toPar = expected.holeToPar[static_cast<std::size_t>(hole)];
        EXPECT_EQ(holes.index(0, hole).data().toInt(), hole + 1);
        EXPECT_EQ(holes.index(1, hole).data().toString().toLongLong(), toPar.count);
        EXPECT_EQ(holes.index(2, hole).data().toString().toStdString(), ToParText(toPar));
    }

    // Clubs in club order, distances in the English card's yards.
    const QAbstractItemModel& clubs = *window->clubs().model();
    ASSERT_EQ(static_cast<std::size_t>(clubs.rowCount()), expected.clubs.size());
    int row = 0;
    for (const auto& [club, distances] : expected.clubs) {
        EXPECT_EQ(clubs.index(row, 0).data().toString().toStdString(), ClubName(club, english));
        EXPECT_EQ(clubs.index(row, 1).data().toString().toStdString(),
                  std::to_string(distances.count));
        EXPECT_EQ(clubs.index(row, 2).data().toString().toStdString(),
                  DistanceText(distances.median, DistanceUnit::Yards) + " yd");
        EXPECT_EQ(clubs.index(row, 3).data().toString().toStdString(),
                  DistanceText(distances.longest, DistanceUnit::Yards) + " yd");
        ++row;
    }
    // The chart's strokes in time order, for those who cannot see it.
    QStringList strokes;
    for (const PlayedRound& round : expected.series) strokes << QString::number(round.strokes);
    EXPECT_EQ(window->chart().accessibleDescription(), strokes.join(", "));
}

}  // namespace
}  // namespace orvane::testing
