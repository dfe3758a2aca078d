#include "gui/ScoreCardPane.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/Translated.h"
#include "gui/WindowStyle.h"
#include "records/RecordDialogTexts.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

constexpr QSize kCellSize{34, 26};

// A printed card: a dark band of hole numbers, a grey par row, white score
// cells; the hole shown stands out in yellow.
constexpr const char* kCardStyle = R"(
    QLabel[cardRow] { border: 1px solid #8c8c8c; background: white; color: black; }
    QLabel[cardRow="hole"] { background: #2f6b3a; color: white; font-weight: bold; }
    QLabel[cardRow="par"] { background: #ececec; }
    QLabel[cardRow="heading"] { background: #d8e4da; font-weight: bold; padding: 0 6px; }
    QLabel[cardRow="total"] { background: #f6f1dc; font-weight: bold; }
    QLabel[shown="true"] { background: #ffd84a; color: black; }
)";

void Style(QLabel& label, const char* row) {
    label.setProperty("cardRow", row);
    label.setAlignment(Qt::AlignCenter);
}

// "Hole 3 par 4": a cell's name, from its hole and its text.
QString Named(Language language, TextPair format, std::int32_t hole, const std::string& value) {
    return FromCore(Format(std::string(PickText(language, format)).c_str(), static_cast<int>(hole),
                           value.c_str()));
}

QString HoleName(Language language, std::int32_t hole) {
    return FromCore(
        Format(std::string(PickText(language, kHoleCellName)).c_str(), static_cast<int>(hole)));
}

}  // namespace

CardCell::CardCell(std::int32_t hole, QWidget* parent) : QLabel(parent), hole_(hole) {
    setFixedSize(kCellSize);
    setCursor(Qt::PointingHandCursor);
}

void CardCell::SetShown(bool shown) {
    if (property("shown").toBool() == shown) return;
    setProperty("shown", shown);
    style()->unpolish(this);
    style()->polish(this);
}

void CardCell::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(hole_);
}

ScoreCardPane::ScoreCardPane(Language language, QWidget* parent)
    : QGroupBox(Translated(language, kScoreCardCaption), parent), language_(language) {
    setStyleSheet(kCardStyle);
    auto* layout = new QVBoxLayout(this);
    for (std::size_t half = 0; half < kHalves; ++half) {
        courseLines_[half] = new QLabel(this);
        layout->addWidget(courseLines_[half]);
        auto* grid = new QGridLayout;
        grid->setSpacing(0);
        const std::array<TextPair, 3> headings{kHoleHeading, kParHeading, kScoreHeading};
        for (int row = 0; row < 3; ++row) {
            auto* heading =
                new QLabel(Translated(language, headings[static_cast<std::size_t>(row)]), this);
            Style(*heading, "heading");
            grid->addWidget(heading, row, 0);
        }
        for (std::int32_t i = 1; i <= kHolesPerHalf; ++i) {
            const std::int32_t hole = static_cast<std::int32_t>(half) * kHolesPerHalf + i;
            const std::size_t at = Index(hole);
            holes_[at] = AddCell(hole);
            pars_[at] = AddCell(hole);
            scores_[at] = AddCell(hole);
            Style(*holes_[at], "hole");
            Style(*pars_[at], "par");
            Style(*scores_[at], "score");
            holes_[at]->setText(QString::number(hole));
            holes_[at]->setAccessibleName(HoleName(language, hole));
            grid->addWidget(holes_[at], 0, i);
            grid->addWidget(pars_[at], 1, i);
            grid->addWidget(scores_[at], 2, i);
        }
        auto* halfHeading = new QLabel(Translated(language, kHalfHeadings[half]), this);
        Style(*halfHeading, "hole");
        parTotals_[half] = new QLabel(this);
        strokeTotals_[half] = new QLabel(this);
        for (QLabel* total : {halfHeading, parTotals_[half], strokeTotals_[half]}) {
            total->setMinimumSize(kCellSize.width() + 12, kCellSize.height());
            if (total != halfHeading) Style(*total, "total");
        }
        grid->addWidget(halfHeading, 0, kHolesPerHalf + 1);
        grid->addWidget(parTotals_[half], 1, kHolesPerHalf + 1);
        grid->addWidget(strokeTotals_[half], 2, kHolesPerHalf + 1);
        layout->addLayout(grid);
        layout->addSpacing(6);
    }
    totalLine_ = new QLabel(this);
    totalLine_->setFont(LargeFont());
    layout->addWidget(totalLine_);
}

CardCell* ScoreCardPane::AddCell(std::int32_t hole) {
    auto* cell = new CardCell(hole, this);
    connect(cell, &CardCell::clicked, this, &ScoreCardPane::holeClicked);
    return cell;
}

void ScoreCardPane::Show(const ScoreCardTexts& card) {
    const std::string notPlayed(PickText(language_, kNotPlayed));
    for (std::int32_t hole = 1; hole <= static_cast<std::int32_t>(kRecordHoles); ++hole) {
        const std::string& par = card.parCells[Index(hole)];
        const std::string& score = card.scoreCells[Index(hole)];
        parCell(hole).setText(FromCore(par));
        scoreCell(hole).setText(FromCore(score));
        parCell(hole).setAccessibleName(
            Named(language_, kParCellName, hole, par.empty() ? notPlayed : par));
        scoreCell(hole).setAccessibleName(
            Named(language_, kScoreCellName, hole, score.empty() ? notPlayed : score));
    }
    for (std::size_t half = 0; half < kHalves; ++half) {
        courseLines_[half]->setText(FromCore(DisplayText(card.courseLines[half])));
        parTotals_[half]->setText(FromCore(card.parTotals[half]));
        strokeTotals_[half]->setText(FromCore(card.strokeTotals[half]));
        const QString heading = Translated(language_, kHalfHeadings[half]);
        parTotals_[half]->setAccessibleName(heading + " " + Translated(language_, kParHeading) +
                                            " " + parTotals_[half]->text());
        strokeTotals_[half]->setAccessibleName(heading + " " +
                                               Translated(language_, kScoreHeading) + " " +
                                               strokeTotals_[half]->text());
    }
    totalLine_->setText(FromCore(card.totalLine));
}

void ScoreCardPane::MarkHole(std::int32_t hole) {
    for (std::int32_t each = 1; each <= static_cast<std::int32_t>(kRecordHoles); ++each) {
        for (CardCell* cell : {&holeCell(each), &parCell(each), &scoreCell(each)})
            cell->SetShown(each == hole);
    }
}

}  // namespace orvane::gui
