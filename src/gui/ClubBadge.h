#pragma once

#include <QPixmap>
#include <cstdint>

namespace orvane::gui {

// The club's badge picture at its own size; a null pixmap for a code that
// names no club.
QPixmap ClubBadge(std::int32_t club);

}  // namespace orvane::gui
