#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

#include "records/HoleDrawing.h"

namespace orvane::gui {

// Paints the core's drawing of a hole: the white view and, on it, the
// areas, the tees, the shots joined in order with their numbers, or the
// map-failure text word-wrapped inside it. The same shapes, colours and
// sizes as the SVG picture of the drawing, so that the two never disagree.
void PaintHoleView(QPainter& painter, const HoleDrawing& drawing, const ViewRect& view,
                   const QString& mapMissingText);

// The whole picture of a hole at kHoleCanvas's size, as the SVG picture
// lays it out: the caption above the view on a light grey ground.
QImage HolePicture(const HoleDrawing& drawing, const QString& mapMissingText);

}  // namespace orvane::gui
