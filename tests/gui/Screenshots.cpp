#include <gtest/gtest.h>

#include <QPixmap>
#include <cstdlib>

#include "WindowDriver.h"
#include "e2e/DemoWorld.h"

namespace orvane::testing {
namespace {

// Pictures of the window for a person to look at, written to
// $ORVANE_SCREENSHOTS (scripts/screenshots sets build/screenshots) or, in a
// plain test run, into a folder that goes with the test.
class Screenshots : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(20261206, {"--courses", "3000"}); }
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
        const auto copy = scratch_.path() / "devices" / family;
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
}

}  // namespace
}  // namespace orvane::testing
