#pragma once

#include <QDialog>
#include <QObject>

#include "app/MainMenus.h"
#include "gui/CardExport.h"
#include "gui/CoreWorker.h"
#include "gui/Prompter.h"
#include "records/RecordLists.h"
#include "records/ScoreCardState.h"

namespace orvane::gui {

// The windows of the record menu: the save dialog, the record viewer with
// its score cards, and the round statistics. It keeps what outlives them for
// the run (each list's sort, the hole shown and the unit, the export
// folder). Whatever touches the session runs as a job on the worker: the
// refusals and the folder question of each command, the saving, the finding
// of a round and the fetching of its course names and geometry.
class RecordWindows : public QObject {
    Q_OBJECT
public:
    RecordWindows(CoreWorker& worker, Prompter& prompter, QWidget& mainWindow);

    void Open(WindowCommand command);

private:
    void OpenSaveDialog();
    void OpenViewer();
    void OpenStatistics();
    void OpenScoreCard(const RecordEntry& entry, Language language, QWidget& over);
    // Shows `window` modally; core questions are asked over it while it is
    // open, then over `after`.
    void Present(QDialog* window, QWidget* after);

    CoreWorker& worker_;
    Prompter& prompter_;
    QWidget& mainWindow_;
    RecordSort saveSort_ = SaveDialogSort();
    RecordSort viewerSort_ = ViewerSort();
    ScoreCardState card_;
    CardExport export_;
};

}  // namespace orvane::gui
