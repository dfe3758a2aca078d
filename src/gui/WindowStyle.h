#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

namespace orvane::gui {

// The main window's template is laid out in dialog units of its font, whose
// base units are 7 × 12 pixels: at that size the header (390 px) and the
// banner (434 px) fill the 471-unit width exactly, and the pictures painted
// at fixed pixel positions meet the controls placed in dialog units.
constexpr QRect FromDialogUnits(int x, int y, int width, int height) {
    constexpr int kBaseX = 7;
    constexpr int kBaseY = 12;
    return {x * kBaseX / 4, y * kBaseY / 8, width * kBaseX / 4, height * kBaseY / 8};
}

// The window's client size: 471 × 367 dialog units.
inline constexpr QSize kWindowSize{824, 550};

inline constexpr QColor kPanelColour{44, 44, 44};
inline constexpr QColor kLightGrey{204, 204, 204};
inline constexpr QColor kProgressColour{210, 0, 210};

// "Arial" of the system's three heights (15 for the list, 16 bold, 24 extra
// bold), as pixel sizes of the face's em.
QFont ListFont();
QFont BoldFont();
QFont LargeFont();

}  // namespace orvane::gui
