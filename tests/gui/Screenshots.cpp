#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPixmap>
#include <cstdlib>

#include "RecordWindowsDriver.h"
#include "SuiteWorld.h"
#include "gui/CAboutDlg.h"
#include "gui/CRoundStatistics.h"
#include "gui/CSaveRecord.h"
#include "gui/CViewRecordData.h"

namespace orvane::testing {

const WorldRecipe kWorldRecipe{20261206, {"--courses", "1200"}, "model7-kr"};

namespace {

// Pictures of the window and the record windows for a person to look at,
// written to $ORVANE_SCREENSHOTS (scripts/screenshots sets build/screenshots)
// or, in a plain test run, into a folder that goes with the test.
class Screenshots : public ::testing::Test {
protected:
    Screenshots() {
        const char* out = std::getenv("ORVANE_SCREENSHOTS");
        out_ = out != nullptr && *out != '\0' ? out : scratch_.path() / "screenshots";
        std::filesystem::create_directories(out_);
    }

    // The window over a copy of a demo device, connected.
    std::unique_ptr<WindowDriver> Connect(std::string_view family, Language language) {
        const auto copy =
            scratch_.path() / "devices" / (std::string(family) + std::to_string(++copies_));
        return ConnectedWindow(World().world().CopyDevice(family, copy), scratch_.path(), language);
    }

    void Save(QWidget& widget, const std::string& name) {
        const auto file = out_ / (name + ".png");
        ASSERT_TRUE(widget.grab().save(QString::fromStdString(file.string()))) << file;
    }

    // The record windows over the world's saved rounds.
    void ShootRecordWindows(std::string_view family, Language language, const std::string& suffix);

    TempFolder scratch_;
    int copies_ = 0;
    std::filesystem::path out_;
};

TEST_F(Screenshots, MainWindow) {
    auto waiting = OpenWindow(scratch_.path() / "no-device", scratch_.path(), Language::Korean);
    ASSERT_FALSE(waiting->Connect(std::chrono::seconds(2)));
    Save(waiting->window(), "01-waiting");
    waiting.reset();

    auto korean = Connect("model7-kr", Language::Korean);
    Save(korean->window(), "02-connected-korean");
    korean->window().RunCommand(WindowCommand::EnglishTexts);
    ASSERT_TRUE(korean->WaitIdle());
    Save(korean->window(), "03-connected-english");

    // The pointer on the area button.
    gui::CBitmapText& area = korean->window().button(1003);
    QEnterEvent enter(QPointF(5, 5), area.mapToGlobal(QPointF(5, 5)),
                      area.mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(&area, &enter);
    Save(korean->window(), "05-information-box");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&area, &leave);

    // A search that lists many courses.
    korean->window().search().edit()->setText("country club");
    korean->window().RunCommand(WindowCommand::SearchCourses);
    ASSERT_TRUE(korean->WaitIdle());
    Save(korean->window(), "07-search-results");

    gui::CAboutDlg about(Language::English, &korean->window());
    about.show();
    Save(about, "08-about-box");
}

TEST_F(Screenshots, UsaDeviceWithItsSubAreas) {
    auto usa = Connect("model9-us", Language::English);
    Save(usa->window(), "04-usa-device");
}

TEST_F(Screenshots, TransferInProgress) {
    auto korean = Connect("model3-kr", Language::Korean);
    korean->window().RunCommand(WindowCommand::DownloadOthersNew);
    ASSERT_TRUE(WaitFor([&] { return korean->Status().contains("개 중 5개 완료"); }));
    Save(korean->window(), "06-transfer-in-progress");
    korean->window().RunCommand(WindowCommand::StopTransfer);
    ASSERT_TRUE(korean->WaitIdle());
}

// The hole in the middle of the round with the most shots.
std::int32_t BusyMiddleHole(const RoundRecord& record) {
    std::int32_t best = 7;
    for (std::int32_t hole = 7; hole <= 12; ++hole) {
        if (record.holes[static_cast<std::size_t>(hole - 1)].shotCount >
            record.holes[static_cast<std::size_t>(best - 1)].shotCount)
            best = hole;
    }
    return best;
}

void Screenshots::ShootRecordWindows(std::string_view family, Language language,
                                     const std::string& suffix) {
    auto driver = Connect(family, language);
    driver->window().RunCommand(WindowCommand::SaveRecords);
    auto* save = WaitForWindow<gui::CSaveRecord>();
    ASSERT_NE(save, nullptr);
    for (int row : {0, 2})
        save->model().setData(save->model().index(row, 0), Qt::Checked, Qt::CheckStateRole);
    Save(*save, "10-save-records-" + suffix);
    save->close();

    RunOnWorker(*driver, [](Session& s) { s.recordFolder.path = World().records(); });
    driver->window().RunCommand(WindowCommand::ViewRecords);
    auto* viewer = WaitForWindow<gui::CViewRecordData>();
    ASSERT_NE(viewer, nullptr);
    viewer->table().selectRow(1);
    Save(*viewer, "11-record-list-" + suffix);
    viewer->close();

    gui::CViewScore* card =
        OpenScoreCard(*driver, RoundFiles(World().records(), EighteenWithMap).front());
    ASSERT_NE(card, nullptr);
    WindowDriver::Click(card->card().holeCell(BusyMiddleHole(card->record())));
    Save(*card, "12-score-card-" + suffix);
    card->close();
    WaitForWindow<gui::CViewRecordData>()->close();

    card = OpenScoreCard(*driver, RoundFiles(World().records(), NineWithMap).front());
    ASSERT_NE(card, nullptr);
    WindowDriver::Click(card->card().holeCell(3));
    Save(*card, "13-score-card-nine-" + suffix);
    card->close();
    WaitForWindow<gui::CViewRecordData>()->close();

    driver->window().RunCommand(WindowCommand::RoundStatistics);
    auto* statistics = WaitForWindow<gui::CRoundStatistics>();
    ASSERT_NE(statistics, nullptr);
    Save(*statistics, "14-statistics-" + suffix);
    statistics->close();
}

TEST_F(Screenshots, RecordWindowsInKorean) {
    ShootRecordWindows("model7-kr", Language::Korean, "korean");
}

TEST_F(Screenshots, RecordWindowsInEnglish) {
    ShootRecordWindows("model9-us", Language::English, "english");
}

}  // namespace
}  // namespace orvane::testing
