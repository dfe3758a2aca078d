#pragma once

#include <QAction>
#include <QMenuBar>
#include <map>

#include "app/MainMenus.h"
#include "shell/Language.h"

namespace orvane::gui {

// The main window's menu bar, built from the core's menu table in the
// interface language: a language switch builds it again, as the system
// swaps its Korean bar for the English one.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuBar(QWidget* parent);

    void Build(Language language);
    // The action of `command`; nullptr for a separator or an unknown one.
    QAction* action(WindowCommand command) const;
    Language language() const { return language_; }

signals:
    void commandChosen(orvane::WindowCommand command);

private:
    std::map<WindowCommand, QAction*> actions_;
    Language language_ = Language::English;
};

}  // namespace orvane::gui
