#pragma once

#include <QWidget>
#include <vector>

#include "records/RoundStatistics.h"
#include "shell/Language.h"

namespace orvane::gui {

// The strokes of every round in time order: one line for 18-hole rounds,
// one for 9-hole rounds, over a scale of strokes and the dates of the first
// and the last round.
class StrokesChart : public QWidget {
    Q_OBJECT
public:
    StrokesChart(const std::vector<RecordEntry>& entries, const RoundStatistics& statistics,
                 Language language, QWidget* parent);

    QSize sizeHint() const override { return {460, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Point {
        int strokes = 0;
        bool eighteen = true;
    };
    struct Scale {
        int low = 0;
        int high = 0;
        int step = 1;
    };
    Scale StrokeScale() const;

    Language language_;
    std::vector<Point> points_;
    QString firstDate_;
    QString lastDate_;
};

}  // namespace orvane::gui
