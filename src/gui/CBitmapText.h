#pragma once

#include <QAbstractButton>
#include <QString>

#include "shell/Language.h"

namespace orvane::gui {

// The owner-drawn button of the main window: a picture per state (normal,
// pressed, focused) with one or two lines of text over it in one of four
// styles. The toolbar button of the shown continent is drawn as focused
// without taking the keyboard focus.
class CBitmapText : public QAbstractButton {
    Q_OBJECT
public:
    enum class TextStyle {
        TwoLines,  // light grey bold, two lines beside the picture's icon
        Toolbar,   // bold; white when focused, else light grey
        Exit,      // white, large, beside the picture's icon
    };

    CBitmapText(int controlId, TextStyle style, QString normal, QString pressed, QString focused,
                QWidget* parent);

    int controlId() const { return controlId_; }
    // The lines of `language`; the accessible name is both lines joined.
    void ApplyTexts(Language language);
    void SetMarked(bool marked);
    QString firstLine() const { return lines_[0]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool ShowsFocused() const;

    int controlId_;
    TextStyle style_;
    QString normal_;
    QString pressed_;
    QString focused_;
    QString lines_[2];
    bool marked_ = false;
};

}  // namespace orvane::gui
