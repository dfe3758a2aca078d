#include "gui/HolePainter.h"

#include <QPolygon>

#include "gui/Translated.h"
#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

// The SVG picture's ground, texts and the map-failure text's margins.
constexpr QColor kCanvasGround{0xec, 0xec, 0xec};
constexpr int kCaptionPixels = 12;
constexpr int kShotNumberPixels = 11;
constexpr int kCaptionLift = 4;
constexpr int kShotNumberDrop = 4;
constexpr QMargins kMapMissingMargins{10, 18, 10, 10};

QColor Colour(Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

QPoint At(Pixel pixel) { return {pixel.x, pixel.y}; }

QRect Rect(const ViewRect& view) {
    return {QPoint(view.left, view.top), QPoint(view.right - 1, view.bottom - 1)};
}

QFont PictureFont(int pixels) {
    QFont font("sans-serif");
    font.setPixelSize(pixels);
    return font;
}

void Circle(QPainter& painter, Pixel at, int radius, Rgb fill, bool outlined) {
    painter.setPen(outlined ? QPen(Qt::black, 1) : QPen(Qt::NoPen));
    painter.setBrush(Colour(fill));
    painter.drawEllipse(QPointF(at.x, at.y), radius, radius);
}

// Centred on the marker, its baseline a little below the marker's centre.
void ShotNumber(QPainter& painter, const DrawnShot& shot) {
    const QString number(QChar::fromLatin1(shot.number));
    const int width = painter.fontMetrics().horizontalAdvance(number);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(shot.at.x - width / 2.0, shot.at.y + kShotNumberDrop), number);
}

}  // namespace

void PaintHoleView(QPainter& painter, const HoleDrawing& drawing, const ViewRect& view,
                   const QString& mapMissingText) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(Rect(view), Qt::white);
    if (drawing.mapMissing) {
        painter.setPen(Qt::black);
        painter.setFont(PictureFont(kCaptionPixels));
        painter.drawText(Rect(view) - kMapMissingMargins, Qt::TextWordWrap, mapMissingText);
        painter.restore();
        return;
    }
    painter.setPen(Qt::NoPen);
    for (const DrawnArea& area : drawing.areas) {
        QPolygon polygon;
        for (const Pixel& point : area.points) polygon << At(point);
        painter.setBrush(Colour(AreaColour(area.kind)));
        painter.drawPolygon(polygon, Qt::WindingFill);
    }
    for (const Pixel& tee : drawing.tees) Circle(painter, tee, kTeeRadius, kTeeColour, false);
    QPen line(Colour(kShotColour), 1);
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    for (std::size_t k = 1; k < drawing.shots.size(); ++k)
        painter.drawLine(At(drawing.shots[k - 1].at), At(drawing.shots[k].at));
    painter.setFont(PictureFont(kShotNumberPixels));
    for (std::size_t k = 0; k < drawing.shots.size(); ++k) {
        const DrawnShot& shot = drawing.shots[k];
        if (k + 1 == drawing.shots.size()) {
            Circle(painter, shot.at, kHoleOutRadius, kShotColour, true);
            continue;
        }
        Circle(painter, shot.at, kShotRadius, kShotColour, true);
        ShotNumber(painter, shot);
    }
    painter.restore();
}

QImage HolePicture(const HoleDrawing& drawing, const QString& mapMissingText) {
    QImage picture(kHoleCanvas.right - kHoleCanvas.left, kHoleCanvas.bottom - kHoleCanvas.top,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(kCanvasGround);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(PictureFont(kCaptionPixels));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(kHoleViewRect.left, kHoleViewRect.top - kCaptionLift),
                     FromCore(DisplayText(drawing.caption)));
    PaintHoleView(painter, drawing, kHoleViewRect, mapMissingText);
    return picture;
}

}  // namespace orvane::gui
