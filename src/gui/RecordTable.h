#pragma once

#include <QTableView>
#include <optional>

#include "gui/RecordRowsModel.h"

namespace orvane::gui {

// The record dialogs' list: grid lines, whole rows selected, every column
// centred at its own width (wider where its heading or a cell would be cut
// in the current font), sorted by the core when a heading is clicked, the
// sort column and direction marked in the heading.
class RecordTable : public QTableView {
    Q_OBJECT
public:
    RecordTable(RecordRowsModel& model, QAbstractItemView::SelectionMode selection,
                QWidget* parent);

    // The width the columns take, with the frame and a scroll bar.
    int PreferredWidth() const;
    // The selected row on screen; nothing when none is selected.
    std::optional<std::size_t> SelectedRow() const;

private:
    void FitColumns();
    void ShowSort();

    RecordRowsModel& model_;
};

}  // namespace orvane::gui
