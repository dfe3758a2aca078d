#include "gui/HeaderPanel.h"

#include <QPainter>

#include "gui/Pictures.h"
#include "gui/WindowStyle.h"

namespace orvane::gui {
namespace {

// The lines stand at (48, 27) and (48, 54) of the window; the panel at (0, 6).
QLabel* HeaderLine(QWidget* parent, int top) {
    auto* line = new QLabel(parent);
    line->setFont(BoldFont());
    line->setStyleSheet("color: white; background: transparent;");
    line->setGeometry(48, top, 342, 20);
    return line;
}

}  // namespace

HeaderPanel::HeaderPanel(QWidget* parent)
    : QWidget(parent), memory_(HeaderLine(this, 21)), version_(HeaderLine(this, 48)) {
    setFixedSize(PictureSize("header"));
}

void HeaderPanel::SetLines(const QString& memoryLine, const QString& deviceVersionLine) {
    memory_->setText(memoryLine);
    version_->setText(deviceVersionLine);
}

void HeaderPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, "header", rect());
}

}  // namespace orvane::gui
