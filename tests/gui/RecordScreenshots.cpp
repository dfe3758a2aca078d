#include <gtest/gtest.h>

#include <QPixmap>
#include <cstdlib>

#include "RecordWindowsDriver.h"
#include "e2e/DemoWorld.h"
#include "gui/CRoundStatistics.h"
#include "gui/CSaveRecord.h"
#include "gui/CViewRecordData.h"

namespace orvane::testing {
namespace {

// Pictures of the record windows in both languages, beside the main
// window's, for a person to look at.
class RecordScreenshots : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        world_ = new DemoWorld(20261206, {"--courses", "300", "--no-maps"});
    }
    static void TearDownTestSuite() {
        delete world_;
        world_ = nullptr;
    }

    RecordScreenshots() {
        if (const char* out = std::getenv("ORVANE_SCREENSHOTS"); out && *out) {
            out_ = out;
        } else {
            out_ = scratch_.path() / "screenshots";
        }
        std::filesystem::create_directories(out_);
    }

    // The window over a device, its rounds saved into the record folder.
    std::unique_ptr<WindowDriver> Open(std::string_view family, Language language) {
        const auto device = world_->Device(family);
        const auto work = scratch_.path() / "work";
        const auto saved =
            world_->Cli({"records", "save", "--to", records_.string(), "--all"}, device, work);
        EXPECT_EQ(saved.exitCode, 0) << saved.err;
        auto driver =
            std::make_unique<WindowDriver>(world_->server().url(), device, work, language);
        EXPECT_TRUE(driver->Connect()) << driver->Status().toStdString();
        return driver;
    }

    void Save(QWidget& widget, const std::string& name) {
        const auto file = out_ / (name + ".png");
        ASSERT_TRUE(widget.grab().save(QString::fromStdString(file.string()))) << file;
    }

    // The hole in the middle of the round with the most shots.
    static std::int32_t BusyMiddleHole(const RoundRecord& record) {
        std::int32_t best = 7;
        for (std::int32_t hole = 7; hole <= 12; ++hole) {
            if (record.holes[static_cast<std::size_t>(hole - 1)].shotCount >
                record.holes[static_cast<std::size_t>(best - 1)].shotCount)
                best = hole;
        }
        return best;
    }

    void Shoot(std::string_view family, Language language, const std::string& suffix) {
        auto driver = Open(family, language);
        ASSERT_TRUE(driver->WaitIdle());
        driver->window().RunCommand(WindowCommand::SaveRecords);
        auto* save = WaitForWindow<gui::CSaveRecord>();
        ASSERT_NE(save, nullptr);
        for (int row : {0, 2})
            save->model().setData(save->model().index(row, 0), Qt::Checked, Qt::CheckStateRole);
        Save(*save, "10-save-records-" + suffix);
        save->close();

        // The folder is the one the rounds were saved into.
        RunOnWorker(*driver, [this](Session& s) { s.recordFolder.path = records_; });
        driver->window().RunCommand(WindowCommand::ViewRecords);
        auto* viewer = WaitForWindow<gui::CViewRecordData>();
        ASSERT_NE(viewer, nullptr);
        viewer->table().selectRow(1);
        Save(*viewer, "11-record-list-" + suffix);
        viewer->close();

        const std::string eighteen = RoundFiles(records_, EighteenWithMap).front();
        gui::CViewScore* card = OpenScoreCard(*driver, eighteen);
        ASSERT_NE(card, nullptr);
        const std::int32_t hole = BusyMiddleHole(card->record());
        WindowDriver::Click(card->card().holeCell(hole));
        Save(*card, "12-score-card-" + suffix);
        card->close();
        WaitForWindow<gui::CViewRecordData>()->close();

        card = OpenScoreCard(*driver, RoundFiles(records_, NineWithMap).front());
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

    static DemoWorld* world_;
    TempFolder scratch_;
    std::filesystem::path records_ = scratch_.path() / "records";
    std::filesystem::path out_;
};

DemoWorld* RecordScreenshots::world_ = nullptr;

TEST_F(RecordScreenshots, Korean) { Shoot("model7-kr", Language::Korean, "korean"); }

TEST_F(RecordScreenshots, English) { Shoot("model9-us", Language::English, "english"); }

}  // namespace
}  // namespace orvane::testing
