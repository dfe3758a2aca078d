#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "gui/ManagerApp.h"
#include "gui/ManagerOptions.h"

int main(int argc, char** argv) {
    if (const auto information =
            orvane::gui::ManagerInformation({argv + 1, argv + argc}, ORVANE_VERSION,
                                            [](const char* name) { return std::getenv(name); })) {
        std::fputs(information->c_str(), stdout);
        return 0;
    }
    // The window's class, whatever name the program was started by; the
    // desktop file's StartupWMClass names it.
    QApplication::setApplicationName("orvane-manager");
    QApplication::setApplicationVersion(ORVANE_VERSION);
    QApplication::setDesktopFileName(ORVANE_APP_ID);
    QApplication application(argc, argv);
    const std::optional<orvane::gui::ManagerOptions> options =
        orvane::gui::ParseManagerOptions(application.arguments());
    if (!options) return 2;
    orvane::gui::ManagerApp manager(*options);
    manager.Show();
    return QApplication::exec();
}
