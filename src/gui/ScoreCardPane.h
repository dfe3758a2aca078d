#pragma once

#include <QGroupBox>
#include <QLabel>
#include <array>

#include "records/ScoreCard.h"
#include "shell/Language.h"

namespace orvane::gui {

// A cell of the card that shows its hole when clicked.
class CardCell : public QLabel {
    Q_OBJECT
public:
    CardCell(std::int32_t hole, QWidget* parent);
    std::int32_t hole() const { return hole_; }
    void SetShown(bool shown);

signals:
    void clicked(std::int32_t hole);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::int32_t hole_;
};

// The score card proper: for the front and the back nine, the course line
// and rows of hole numbers, pars and scores with the half's totals; then
// the total line. The cells of the hole shown are marked.
class ScoreCardPane : public QGroupBox {
    Q_OBJECT
public:
    ScoreCardPane(Language language, QWidget* parent);

    void Show(const ScoreCardTexts& card);
    void MarkHole(std::int32_t hole);

    CardCell& holeCell(std::int32_t hole) { return *holes_[Index(hole)]; }
    CardCell& parCell(std::int32_t hole) { return *pars_[Index(hole)]; }
    CardCell& scoreCell(std::int32_t hole) { return *scores_[Index(hole)]; }
    const QLabel& courseLine(std::size_t half) const { return *courseLines_[half]; }
    const QLabel& parTotal(std::size_t half) const { return *parTotals_[half]; }
    const QLabel& strokeTotal(std::size_t half) const { return *strokeTotals_[half]; }
    const QLabel& totalLine() const { return *totalLine_; }

signals:
    void holeClicked(std::int32_t hole);

private:
    static std::size_t Index(std::int32_t hole) { return static_cast<std::size_t>(hole - 1); }
    CardCell* AddCell(std::int32_t hole);

    Language language_;
    std::array<CardCell*, kRecordHoles> holes_{};
    std::array<CardCell*, kRecordHoles> pars_{};
    std::array<CardCell*, kRecordHoles> scores_{};
    std::array<QLabel*, kHalves> courseLines_{};
    std::array<QLabel*, kHalves> parTotals_{};
    std::array<QLabel*, kHalves> strokeTotals_{};
    QLabel* totalLine_ = nullptr;
};

}  // namespace orvane::gui
