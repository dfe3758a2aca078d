#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "gui/HoleViewPane.h"
#include "gui/ScoreCardPane.h"
#include "gui/ShotPanel.h"
#include "records/CourseGeometry.h"
#include "records/ScoreCardState.h"

namespace orvane::gui {

// The score card of one saved round: the club, date and time, the card,
// the hole shown with its shots, Prev and Next, the distance unit, Export
// and Exit. It shows at once; the club's course names and hole geometry
// come from the server on the worker and fill the card and the view when
// they arrive (SetDetails).
class CViewScore : public QDialog {
    Q_OBJECT
public:
    // `state` keeps the hole shown and the unit for the run.
    CViewScore(RecordEntry entry, Language language, ScoreCardState& state, QWidget* parent);

    void SetDetails(RecordEntry entry, CourseGeometry geometry);
    bool detailsLoaded() const { return detailsLoaded_; }

    const RecordEntry& entry() const { return entry_; }
    const RoundRecord& record() const { return record_; }
    const CourseGeometry& geometry() const { return geometry_; }
    const ScoreCardState& state() const { return state_; }
    Language language() const { return language_; }

    ScoreCardPane& card() { return *card_; }
    HoleViewPane& holeView() { return *holeView_; }
    ShotPanel& shots() { return *shots_; }
    const QLabel& clubLine() const { return *clubLine_; }
    const QLabel& dateLine() const { return *dateLine_; }
    const QLabel& timeLine() const { return *timeLine_; }
    QPushButton& previousButton() { return *previous_; }
    QPushButton& nextButton() { return *next_; }
    QPushButton& unitButton() { return *unit_; }
    QPushButton& exportButton() { return *export_; }
    QPushButton& exitButton() { return *exit_; }

signals:
    void exportRequested();

private:
    QLayout* BuildHeading();
    void ShowCard();
    void ShowHole();

    RecordEntry entry_;
    RoundRecord record_;
    CourseGeometry geometry_;
    bool detailsLoaded_ = false;
    Language language_;
    ScoreCardState& state_;

    QLabel* clubLine_ = nullptr;
    QLabel* dateLine_ = nullptr;
    QLabel* timeLine_ = nullptr;
    ScoreCardPane* card_ = nullptr;
    HoleViewPane* holeView_ = nullptr;
    ShotPanel* shots_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* unit_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace orvane::gui
