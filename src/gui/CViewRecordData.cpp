#include "gui/CViewRecordData.h"

#include <QPointer>

#include "records/RecordViewer.h"

namespace orvane::gui {

CViewRecordData::CViewRecordData(std::vector<RecordEntry> entries, Language language,
                                 RecordSort& sort, CoreWorker& worker, QWidget* parent)
    : RecordListDialog(kViewerColumns, language, sort, false, {kViewerTitle, kViewButton}, parent),
      entries_(std::make_shared<const std::vector<RecordEntry>>(std::move(entries))),
      worker_(worker) {
    ShowRows(ViewerRows(*entries_, language));
    connect(&actionButton(), &QPushButton::clicked, this, &CViewRecordData::View);
    connect(&table(), &QAbstractItemView::doubleClicked, this, &CViewRecordData::View);
}

void CViewRecordData::View() {
    SetWaiting(true);
    QPointer<CViewRecordData> self(this);
    auto found = std::make_shared<std::optional<RecordEntry>>();
    worker_.Run(
        [entries = entries_, rows = model().rows(), selected = table().SelectedRow(),
         found](Session& s) {
            if (const RecordEntry* entry = ViewSelectedRecord(s.ui, *entries, rows, selected))
                *found = *entry;
        },
        [self, found] {
            if (!self) return;
            self->SetWaiting(false);
            if (*found) emit self->scoreCardRequested(**found);
        });
}

}  // namespace orvane::gui
