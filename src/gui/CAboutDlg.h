#pragma once

#include <QDialog>

#include "shell/Language.h"

namespace orvane::gui {

// The about box: the program's icon, name and version, and its date.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(Language language, QWidget* parent);
};

}  // namespace orvane::gui
