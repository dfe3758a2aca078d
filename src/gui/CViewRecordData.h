#pragma once

#include <memory>

#include "gui/CoreWorker.h"
#include "gui/RecordListDialog.h"

namespace orvane::gui {

// The record viewer: the record folder's rounds with their scores; View (or
// a double click) finds the selected round and asks for its score card.
class CViewRecordData : public RecordListDialog {
    Q_OBJECT
public:
    // `entries` is the record folder's list.
    CViewRecordData(std::vector<RecordEntry> entries, Language language, RecordSort& sort,
                    CoreWorker& worker, QWidget* parent);

signals:
    void scoreCardRequested(const orvane::RecordEntry& entry);

private:
    void View();

    std::shared_ptr<const std::vector<RecordEntry>> entries_;
    CoreWorker& worker_;
};

}  // namespace orvane::gui
