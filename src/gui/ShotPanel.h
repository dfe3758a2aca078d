#pragma once

#include <QGroupBox>
#include <QLabel>
#include <array>
#include <vector>

#include "records/HoleDrawing.h"
#include "records/RecordDialogTexts.h"
#include "records/ScoreCardState.h"

namespace orvane::gui {

// The score card's shot panel: a row per stroke of the hole shown, at most
// five, each with its club's badge and the distance the ball went in the
// chosen unit.
class ShotPanel : public QGroupBox {
    Q_OBJECT
public:
    ShotPanel(Language language, QWidget* parent);

    void Show(const std::vector<Stroke>& strokes, DistanceUnit unit);

    // For tests and assistive technology: row `row`'s distance text and
    // badge.
    const QLabel& distance(std::size_t row) const { return *rows_[row].distance; }
    const QLabel& badge(std::size_t row) const { return *rows_[row].badge; }
    QGroupBox& row(std::size_t row) { return *rows_[row].box; }

private:
    struct Row {
        QGroupBox* box = nullptr;
        QLabel* badge = nullptr;
        QLabel* distance = nullptr;
    };

    Language language_;
    std::array<Row, kShotRowCaptions.size()> rows_;
};

}  // namespace orvane::gui
