#include "gui/CBitmapText.h"

#include <QPainter>

#include "app/MainMenus.h"
#include "gui/Pictures.h"
#include "gui/Translated.h"
#include "gui/WindowStyle.h"

namespace orvane::gui {
CBitmapText::CBitmapText(int controlId, TextStyle style, QString normal, QString pressed,
                         QString focused, QWidget* parent)
    : QAbstractButton(parent),
      controlId_(controlId),
      style_(style),
      normal_(std::move(normal)),
      pressed_(std::move(pressed)),
      focused_(std::move(focused)) {
    setFocusPolicy(Qt::StrongFocus);
    // The toolbar and exit buttons take the size of their picture.
    if (style_ == TextStyle::Toolbar || style_ == TextStyle::Exit) setFixedSize(PictureSize(normal_));
}

void CBitmapText::ApplyTexts(Language language) {
    const ButtonText* text = FindButtonText(controlId_);
    if (text == nullptr) return;
    lines_[0] = Translated(language, text->firstLine);
    lines_[1] = Translated(language, text->secondLine);
    setText(lines_[0]);
    setAccessibleName(lines_[1].isEmpty() ? lines_[0] : lines_[0] + ' ' + lines_[1]);
    update();
}

void CBitmapText::SetMarked(bool marked) {
    if (marked_ == marked) return;
    marked_ = marked;
    update();
}

bool CBitmapText::ShowsFocused() const { return (hasFocus() || marked_) && !isDown(); }

void CBitmapText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString& picture = isDown() ? pressed_
                             : ShowsFocused() && !focused_.isEmpty() ? focused_
                                                                      : normal_;
    DrawPicture(painter, picture, QRectF(QPointF(0, 0), PictureSize(picture)));

    QRect area = rect();
    const int flags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    switch (style_) {
        case TextStyle::TwoLines: {
            painter.setPen(kLightGrey);
            painter.setFont(BoldFont());
            area.setLeft(area.left() + 44);
            const int quarter = area.height() / 4;
            painter.drawText(area.adjusted(0, 0, 0, -(6 + quarter)), flags, lines_[0]);
            painter.drawText(area.adjusted(0, 8 + quarter, 0, 0), flags, lines_[1]);
            return;
        }
        case TextStyle::Toolbar:
            painter.setPen(ShowsFocused() ? QColor(Qt::white) : kLightGrey);
            painter.setFont(BoldFont());
            break;
        case TextStyle::Exit:
            painter.setPen(Qt::white);
            painter.setFont(LargeFont());
            area.setLeft(area.left() + 28);
            break;
    }
    painter.drawText(area, flags, lines_[0]);
}

}  // namespace orvane::gui

