#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QPixmap>
#include <cstdlib>

#include "WindowDriver.h"
#include "gui/CAboutDlg.h"
#include "e2e/DemoWorld.h"

namespace orvane::testing {
namespace {

// Pictures of the window for a person to look at, written to
// $ORVANE_SCREENSHOTS (scripts/screenshots sets build/screenshots) or, in a
// plain test run, into a folder that goes with the test.
class Screenshots : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(20261206, {"--courses", "1200"}); }
    static void TearDownTestSuite() {
        delete world_;
        world_ = nullptr;
    }

    Screenshots() {
        if (const char* out = std::getenv("ORVANE_SCREENSHOTS"); out && *out) {
            out_ = out;
        } else {
            out_ = scratch_.path() / "screenshots";
        }
        std::filesystem::create_directories(out_);
    }

    std::filesystem::path CopyDevice(std::string_view family) {
        const auto copy = scratch_.path() / "devices" / (std::string(family) + std::to_string(++copies_));
        std::filesystem::create_directories(copy.parent_path());
        std::filesystem::copy(world_->Device(family), copy, std::filesystem::copy_options::recursive);
        return copy;
    }

    std::unique_ptr<WindowDriver> Open(const std::filesystem::path& device, Language language) {
        return std::make_unique<WindowDriver>(world_->server().url(), device, scratch_.path() / "work",
                                              language);
    }

    void Save(QWidget& widget, const std::string& name) {
        const auto file = out_ / (name + ".png");
        ASSERT_TRUE(widget.grab().save(QString::fromStdString(file.string()))) << file;
    }

    static DemoWorld* world_;
    TempFolder scratch_;
    int copies_ = 0;
    std::filesystem::path out_;
};

DemoWorld* Screenshots::world_ = nullptr;

TEST_F(Screenshots, MainWindow) {
    auto waiting = Open(scratch_.path() / "no-device", Language::Korean);
    ASSERT_FALSE(waiting->Connect(std::chrono::seconds(2)));
    Save(waiting->window(), "01-waiting");
    waiting.reset();

    auto korean = Open(CopyDevice("model7-kr"), Language::Korean);
    ASSERT_TRUE(korean->Connect()) << korean->Status().toStdString();
    Save(korean->window(), "02-connected-korean");
    korean->window().RunCommand(WindowCommand::EnglishTexts);
    ASSERT_TRUE(korean->WaitIdle());
    Save(korean->window(), "03-connected-english");

    // The pointer on the area button.
    gui::CBitmapText& area = korean->window().button(1003);
    QEnterEvent enter(QPointF(5, 5), area.mapToGlobal(QPointF(5, 5)), area.mapToGlobal(QPointF(5, 5)));
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
    auto usa = Open(CopyDevice("model9-us"), Language::English);
    ASSERT_TRUE(usa->Connect()) << usa->Status().toStdString();
    Save(usa->window(), "04-usa-device");
}

TEST_F(Screenshots, TransferInProgress) {
    auto korean = Open(CopyDevice("model3-kr"), Language::Korean);
    ASSERT_TRUE(korean->Connect()) << korean->Status().toStdString();
    korean->window().RunCommand(WindowCommand::DownloadOthersNew);
    ASSERT_TRUE(WaitFor([&] { return korean->Status().contains("개 중 5개 완료"); }));
    Save(korean->window(), "06-transfer-in-progress");
    korean->window().RunCommand(WindowCommand::StopTransfer);
    ASSERT_TRUE(korean->WaitIdle());
}

}  // namespace
}  // namespace orvane::testing
