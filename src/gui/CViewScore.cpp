#include "gui/CViewScore.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/Translated.h"
#include "records/HoleDrawing.h"
#include "records/RecordDialogTexts.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane::gui {

CViewScore::CViewScore(RecordEntry entry, Language language, ScoreCardState& state, QWidget* parent)
    : QDialog(parent),
      entry_(std::move(entry)),
      record_(entry_.record ? *entry_.record : RoundRecord{}),
      language_(language),
      state_(state) {
    setWindowTitle(Translated(language, kScoreCardTitle));
    state_.Open(language);

    card_ = new ScoreCardPane(language, this);
    holeView_ = new HoleViewPane(language, this);
    shots_ = new ShotPanel(language, this);
    previous_ = new QPushButton(Translated(language, kPreviousHole), this);
    next_ = new QPushButton(Translated(language, kNextHole), this);
    unit_ = new QPushButton(this);
    export_ = new QPushButton(Translated(language, kExportButton), this);
    exit_ = new QPushButton(Translated(language, kExitScoreCard), this);
    exit_->setDefault(true);

    connect(card_, &ScoreCardPane::holeClicked, this, [this](std::int32_t hole) {
        if (state_.SelectHole(hole)) ShowHole();
    });
    connect(previous_, &QPushButton::clicked, this, [this] {
        state_.PreviousHole();
        ShowHole();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        state_.NextHole();
        ShowHole();
    });
    connect(unit_, &QPushButton::clicked, this, [this] {
        state_.ToggleUnit();
        ShowHole();
    });
    connect(export_, &QPushButton::clicked, this, &CViewScore::exportRequested);
    connect(exit_, &QPushButton::clicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    left->addLayout(BuildHeading());
    left->addWidget(card_);
    left->addStretch();
    auto* stepping = new QHBoxLayout;
    stepping->addWidget(previous_);
    stepping->addWidget(next_);
    auto* middle = new QVBoxLayout;
    middle->addWidget(holeView_);
    middle->addLayout(stepping);
    auto* right = new QVBoxLayout;
    right->addWidget(shots_);
    right->addWidget(unit_);
    right->addStretch();
    right->addWidget(export_);
    right->addWidget(exit_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(middle);
    layout->addLayout(right);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowCard();
    ShowHole();
}

QLayout* CViewScore::BuildHeading() {
    auto* heading = new QGridLayout;
    const std::array<TextPair, 3> labels{kClubLabel, kDateLabel, kTimeLabel};
    clubLine_ = new QLabel(this);
    dateLine_ = new QLabel(this);
    timeLine_ = new QLabel(this);
    const std::array<QLabel*, 3> lines{clubLine_, dateLine_, timeLine_};
    for (std::size_t row = 0; row < lines.size(); ++row) {
        auto* label = new QLabel(Translated(language_, labels[row]), this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        heading->addWidget(label, static_cast<int>(row), 0);
        heading->addWidget(lines[row], static_cast<int>(row), 1);
        lines[row]->setAccessibleName(label->text());
    }
    heading->setColumnStretch(1, 1);
    return heading;
}

void CViewScore::SetDetails(RecordEntry entry, CourseGeometry geometry) {
    entry_ = std::move(entry);
    record_ = entry_.record ? *entry_.record : RoundRecord{};
    geometry_ = std::move(geometry);
    detailsLoaded_ = true;
    ShowCard();
    ShowHole();
}

void CViewScore::ShowCard() {
    const ScoreCardTexts card = BuildScoreCard(entry_, language_);
    clubLine_->setText(FromCore(DisplayText(card.clubLine)));
    dateLine_->setText(FromCore(DisplayText(card.dateLine)));
    timeLine_->setText(FromCore(card.timeLine));
    card_->Show(card);
}

void CViewScore::ShowHole() {
    const std::int32_t hole = state_.shownHole();
    HoleDrawing drawing = DrawHole(geometry_, record_, hole, kHoleViewRect);
    // Until the club's files have come the view waits empty rather than
    // telling of a failure.
    if (!detailsLoaded_) drawing.mapMissing = false;
    shots_->Show(drawing.rows, state_.unit());
    holeView_->Show(std::move(drawing), hole);
    card_->MarkHole(hole);
    const TextPair unitText = UnitButtonText(state_.unit());
    unit_->setText(Translated(language_, unitText));
    // A picture of the hole waits for its geometry.
    export_->setEnabled(detailsLoaded_);
    unit_->setAccessibleName(
        FromCore(Format(std::string(PickText(language_, kUnitButtonName)).c_str(),
                        std::string(PickText(language_, unitText)).c_str())));
}

}  // namespace orvane::gui
