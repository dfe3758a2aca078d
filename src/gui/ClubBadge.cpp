#include "gui/ClubBadge.h"

#include <QPainter>

#include "gui/Pictures.h"
#include "records/Clubs.h"

namespace orvane::gui {

QPixmap ClubBadge(std::int32_t club) {
    const std::optional<std::int32_t> icon = ClubIcon(club);
    if (!icon) return {};
    const QString name = QString("club-%1").arg(*icon, 2, 10, QChar('0'));
    QPixmap badge(PictureSize(name));
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    DrawPicture(painter, name, QRectF(QPointF(0, 0), badge.size()));
    return badge;
}

}  // namespace orvane::gui
