#pragma once

#include <QDialog>
#include <QPushButton>

#include "gui/RecordRowsModel.h"
#include "gui/RecordTable.h"

namespace orvane::gui {

// What the save dialog and the record viewer share: the title, the list of
// records with its sort, the dialog's own button and Cancel. While the
// dialog's job runs on the worker its buttons wait.
class RecordListDialog : public QDialog {
    Q_OBJECT
public:
    RecordRowsModel& model() { return model_; }
    RecordTable& table() { return *table_; }
    QPushButton& actionButton() { return *action_; }
    QPushButton& cancelButton() { return *cancel_; }

protected:
    struct Texts {
        TextPair title;
        TextPair action;
    };
    RecordListDialog(std::span<const RecordColumn> columns, Language language, RecordSort& sort,
                     bool checkable, Texts texts, QWidget* parent);

    // The rows in list order; the list shows them sorted.
    void ShowRows(std::vector<RecordRow> rows);
    void SetWaiting(bool waiting);

private:
    RecordRowsModel model_;
    RecordTable* table_ = nullptr;
    QPushButton* action_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvane::gui
