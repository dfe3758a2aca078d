#include "gui/WindowStyle.h"

namespace orvane::gui {
namespace {

// A height names the whole cell; Arial's em is 0.895 of it.
QFont Arial(int cellHeight, int weight) {
    QFont font("Arial");
    font.setPixelSize(cellHeight * 895 / 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

}  // namespace

QFont ListFont() { return Arial(15, QFont::Normal); }
QFont BoldFont() { return Arial(16, QFont::Bold); }
QFont LargeFont() { return Arial(24, QFont::ExtraBold); }

}  // namespace orvane::gui
