#include <QApplication>

#include "gui/ManagerApp.h"
#include "gui/ManagerOptions.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::optional<orvane::gui::ManagerOptions> options =
        orvane::gui::ParseManagerOptions(application.arguments());
    if (!options) return 2;
    orvane::gui::ManagerApp manager(*options);
    manager.Show();
    return QApplication::exec();
}
