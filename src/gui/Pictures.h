#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>

namespace orvane::gui {

// The window's pictures (res/pictures/*.svg, built into the program), each
// drawn at the size it was made for unless a rectangle says otherwise.
void DrawPicture(QPainter& painter, const QString& name, const QRectF& target);
// The picture's own size in pixels; empty for an unknown name.
QSize PictureSize(const QString& name);

}  // namespace orvane::gui
