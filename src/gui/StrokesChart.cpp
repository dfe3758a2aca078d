#include "gui/StrokesChart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "gui/Translated.h"
#include "records/RoundStatisticsTexts.h"
#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

constexpr QColor kEighteenColour{47, 107, 58};
constexpr QColor kNineColour{217, 128, 0};
constexpr QColor kGridColour{224, 224, 224};
constexpr QMargins kPlotMargins{46, 34, 16, 28};
constexpr int kDotRadius = 3;
constexpr int kLegendLine = 18;

QString DayOf(const RecordEntry& entry) { return FromCore(DisplayText(entry.date.substr(0, 10))); }

}  // namespace

StrokesChart::StrokesChart(const std::vector<RecordEntry>& entries,
                           const RoundStatistics& statistics, Language language, QWidget* parent)
    : QWidget(parent), language_(language) {
    QStringList strokes;
    for (const PlayedRound& round : statistics.series) {
        points_.push_back({round.strokes, round.holes > kHolesPerHalf});
        strokes << QString::number(round.strokes);
    }
    if (!statistics.series.empty()) {
        firstDate_ = DayOf(entries[statistics.series.front().entry]);
        lastDate_ = DayOf(entries[statistics.series.back().entry]);
    }
    setAccessibleName(Translated(language, kSeriesHeading));
    setAccessibleDescription(strokes.join(", "));
    setMinimumSize(sizeHint());
}

StrokesChart::Scale StrokesChart::StrokeScale() const {
    if (points_.empty()) return {0, 100, 20};
    const auto [low, high] =
        std::minmax_element(points_.begin(), points_.end(),
                            [](const Point& a, const Point& b) { return a.strokes < b.strokes; });
    const int step = high->strokes - low->strokes > 40 ? 10 : 5;
    const int bottom = std::max(0, (low->strokes - 1) / step * step);
    const int top = (high->strokes + step) / step * step;
    return {bottom, top, step};
}

void StrokesChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 20), Translated(language_, kSeriesHeading));
    painter.setFont(font());
    const QFontMetrics metrics(font());

    // The legend, from the right edge.
    int legendX = width() - 12;
    for (const auto& [colour, label] :
         {std::pair{kNineColour, kNineHoles}, std::pair{kEighteenColour, kEighteenHoles}}) {
        const QString text = Translated(language_, label);
        legendX -= metrics.horizontalAdvance(text);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(legendX, 20), text);
        legendX -= kLegendLine + 6;
        painter.setPen(QPen(colour, 2));
        painter.drawLine(legendX, 16, legendX + kLegendLine, 16);
        legendX -= 14;
    }

    const QRect plot = rect() - kPlotMargins;
    if (points_.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(plot, Qt::AlignCenter, FromCore(kNoFigure));
        return;
    }
    const Scale scale = StrokeScale();
    const auto yOf = [&](int strokes) {
        return plot.bottom() - (strokes - scale.low) * plot.height() / (scale.high - scale.low);
    };
    const auto xOf = [&](std::size_t i) {
        if (points_.size() == 1) return plot.center().x();
        return plot.left() +
               static_cast<int>(i) * plot.width() / static_cast<int>(points_.size() - 1);
    };
    for (int value = scale.low; value <= scale.high; value += scale.step) {
        const int y = yOf(value);
        painter.setPen(kGridColour);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        const QString label = QString::number(value);
        painter.drawText(QPoint(plot.left() - 6 - metrics.horizontalAdvance(label),
                                y + metrics.ascent() / 2 - 1),
                         label);
    }
    painter.setPen(Qt::black);
    painter.drawText(QPoint(plot.left(), height() - 8), firstDate_);
    if (points_.size() > 1)
        painter.drawText(QPoint(plot.right() - metrics.horizontalAdvance(lastDate_), height() - 8),
                         lastDate_);

    for (const bool eighteen : {true, false}) {
        const QColor colour = eighteen ? kEighteenColour : kNineColour;
        QPainterPath line;
        for (std::size_t i = 0; i < points_.size(); ++i) {
            if (points_[i].eighteen != eighteen) continue;
            const QPointF at(xOf(i), yOf(points_[i].strokes));
            if (line.elementCount() == 0) {
                line.moveTo(at);
            } else {
                line.lineTo(at);
            }
        }
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(line);
        painter.setBrush(colour);
        for (int i = 0; i < line.elementCount(); ++i)
            painter.drawEllipse(QPointF(line.elementAt(i)), kDotRadius, kDotRadius);
    }
}

}  // namespace orvane::gui
