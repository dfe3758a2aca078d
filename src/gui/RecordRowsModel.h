#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <span>
#include <vector>

#include "records/RecordDialogTexts.h"
#include "records/RecordLists.h"

namespace orvane::gui {

// A record list as a table over the core's rows: the cells decoded for the
// screen in data(), the core's sort on a heading click, and, in the save
// dialog, a check box on every row that moves with its row.
class RecordRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `sort` is the dialog's sort state, which outlives the dialog.
    RecordRowsModel(std::span<const RecordColumn> columns, Language language, RecordSort& sort,
                    bool checkable, QObject* parent = nullptr);

    // The rows in list order; they are shown sorted as `sort` says.
    void SetRows(std::vector<RecordRow> rows);
    // A heading click: the core's sort state turns, the rows follow it.
    void SortByColumn(int column);

    // The rows as they stand on screen.
    const std::vector<RecordRow>& rows() const { return rows_; }
    // The ticked rows' indices in screen order.
    std::vector<std::size_t> Ticked() const;
    const RecordSort& sort() const { return sort_; }
    std::span<const RecordColumn> columns() const { return columns_; }
    bool checkable() const { return checkable_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void Sort();

    std::span<const RecordColumn> columns_;
    Language language_;
    RecordSort& sort_;
    bool checkable_;
    std::vector<RecordRow> rows_;
    // By the entry a row stands for, so that a tick stays with its row.
    std::vector<bool> tickedEntries_;
};

}  // namespace orvane::gui
