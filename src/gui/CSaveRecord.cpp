#include "gui/CSaveRecord.h"

#include <QPointer>

#include "records/RecordSaving.h"

namespace orvane::gui {

CSaveRecord::CSaveRecord(std::vector<RecordEntry> entries, Language language, RecordSort& sort,
                         CoreWorker& worker, QWidget* parent)
    : RecordListDialog(kSaveDialogColumns, language, sort, true, {kSaveDialogTitle, kSaveButton},
                       parent),
      entries_(std::make_shared<const std::vector<RecordEntry>>(std::move(entries))),
      worker_(worker) {
    ShowRows(SaveDialogRows(*entries_, language));
    connect(&actionButton(), &QPushButton::clicked, this, &CSaveRecord::Save);
}

void CSaveRecord::Save() {
    SetWaiting(true);
    QPointer<CSaveRecord> self(this);
    worker_.Run(
        [entries = entries_, rows = model().rows(), ticked = model().Ticked()](Session& s) {
            SaveTickedRecords(s.ui, s.device, s.recordFolder, *entries, rows, ticked);
        },
        [self] {
            if (self) self->SetWaiting(false);
        });
}

}  // namespace orvane::gui
