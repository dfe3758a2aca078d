#pragma once

#include <QDialog>
#include <QLabel>
#include <QTableView>

#include "gui/StatisticsTables.h"
#include "gui/StrokesChart.h"

namespace orvane::gui {

// The statistics of the record folder's rounds: how many, the average and
// best of each length, the latest, the strokes over time as a chart, the
// strokes to par by hole and how far each club went.
class CRoundStatistics : public QDialog {
    Q_OBJECT
public:
    CRoundStatistics(const std::vector<RecordEntry>& entries, const RoundStatistics& statistics,
                     Language language, QWidget* parent);

    // The summary's value lines, top to bottom.
    const std::vector<QLabel*>& summary() const { return summary_; }
    QTableView& holes() { return *holes_; }
    QTableView& clubs() { return *clubs_; }
    StrokesChart& chart() { return *chart_; }

private:
    std::vector<QLabel*> summary_;
    QTableView* holes_ = nullptr;
    QTableView* clubs_ = nullptr;
    StrokesChart* chart_ = nullptr;
};

}  // namespace orvane::gui
