#pragma once

#include <memory>

#include "gui/CoreWorker.h"
#include "gui/RecordListDialog.h"

namespace orvane::gui {

// The save dialog: the device's round records with a check box each; Save
// copies the ticked ones into the record folder (asked for the first time)
// on the worker and says so. The dialog stays open after saving.
class CSaveRecord : public RecordListDialog {
    Q_OBJECT
public:
    // `entries` is the device's record list as the connection read it.
    CSaveRecord(std::vector<RecordEntry> entries, Language language, RecordSort& sort,
                CoreWorker& worker, QWidget* parent);

private:
    void Save();

    std::shared_ptr<const std::vector<RecordEntry>> entries_;
    CoreWorker& worker_;
};

}  // namespace orvane::gui
