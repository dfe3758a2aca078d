#include "gui/InformationBox.h"

#include <QPainter>

#include "gui/Pictures.h"
#include "gui/WindowStyle.h"

namespace orvane::gui {

InformationBox::InformationBox(QWidget* parent) : QWidget(parent) {
    setFixedSize(179, 136);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void InformationBox::SetText(const QString& text) {
    text_ = QString(text).replace("\r\n", "\n");
    setAccessibleDescription(text_);
    update();
}

void InformationBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, "information-box", QRectF(0, 0, 178, 136));
    painter.setPen(Qt::white);
    painter.setFont(BoldFont());
    // Left-aligned in the box shrunk by 12, broken only at its line ends.
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignLeft | Qt::AlignTop, text_);
}

}  // namespace orvane::gui
