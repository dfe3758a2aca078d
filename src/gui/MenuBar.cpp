#include "gui/MenuBar.h"

#include <QMenu>

#include "gui/Translated.h"

namespace orvane::gui {

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {}

void MenuBar::Build(Language language) {
    language_ = language;
    clear();
    actions_.clear();
    for (const Menu& menu : MainMenus()) {
        QMenu* shown = addMenu(Translated(language, menu.title));
        for (const MenuItem& item : menu.items) {
            if (item.IsSeparator()) {
                shown->addSeparator();
                continue;
            }
            QAction* action = shown->addAction(Translated(language, item.text));
            action->setData(language == Language::Korean ? item.koreanId : item.englishId);
            const WindowCommand command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { emit commandChosen(command); });
            actions_[command] = action;
        }
    }
}

QAction* MenuBar::action(WindowCommand command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

}  // namespace orvane::gui
