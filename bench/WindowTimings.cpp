// The window against a world-size catalogue: time from start to the
// connected window, its peak memory, and the time from a click to the
// painted rows for every continent's view and for searches that list most of
// the catalogue. Run by bench/window-timings.sh, which serves the world.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cstdio>

#include "gui/ManagerApp.h"
#include "shell/StringTable.h"

namespace {

using orvane::gui::CFairsyncDlg;
using orvane::gui::ManagerApp;

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// From a command to the rows painted: the job, the catch-up, a full paint.
double ClickToPaint(CFairsyncDlg& window, const std::function<void()>& click) {
    QElapsedTimer clock;
    clock.start();
    click();
    WaitFor([&] { return window.idle(); }, 60000);
    window.courseList().viewport()->grab();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: orvane_window_timings SERVER DEVICE WORKDIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    orvane::gui::ManagerOptions options;
    options.server = argv[1];
    options.device = argv[2];
    options.workFolder = argv[3];
    options.language = orvane::Language::English;
    options.mountInfoPath = "/dev/null";

    QElapsedTimer clock;
    clock.start();
    ManagerApp manager(options);
    manager.Show();
    CFairsyncDlg& window = manager.window();
    const bool connected = WaitFor(
        [&] {
            return window.idle() &&
                   manager.session().ui.StatusStringId() == orvane::message::ConnectionCompleted;
        },
        120000);
    window.grab();
    std::printf("start to connected window: %.0f ms%s\n", static_cast<double>(clock.elapsed()),
                connected ? "" : " (NOT CONNECTED)");
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory after connecting: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);

    for (int continent = 0; continent < 4; ++continent) {
        const double ms = ClickToPaint(window, [&] { window.button(1158 + continent).click(); });
        std::printf("continent %d, All: %zu rows, click to painted rows %.1f ms\n", continent,
                    manager.session().browser.list.rows().size(), ms);
    }
    for (const char* words : {"golf", "country club", "club"}) {
        window.search().edit()->setText(words);
        const double ms =
            ClickToPaint(window, [&] { window.RunCommand(orvane::WindowCommand::SearchCourses); });
        std::printf("search \"%s\": %zu rows, click to painted rows %.1f ms\n", words,
                    manager.session().browser.list.rows().size(), ms);
    }
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory at the end: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024);
    return connected ? 0 : 1;
}
