#include "gui/RecordRowsModel.h"

#include <algorithm>

#include "gui/Translated.h"
#include "util/TextDecoding.h"

namespace orvane::gui {

RecordRowsModel::RecordRowsModel(std::span<const RecordColumn> columns, Language language,
                                 RecordSort& sort, bool checkable, QObject* parent)
    : QAbstractTableModel(parent),
      columns_(columns),
      language_(language),
      sort_(sort),
      checkable_(checkable) {}

void RecordRowsModel::SetRows(std::vector<RecordRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    std::size_t entries = 0;
    for (const RecordRow& row : rows_) entries = std::max(entries, row.entry + 1);
    tickedEntries_.assign(entries, false);
    SortRecordRows(rows_, sort_);
    endResetModel();
}

void RecordRowsModel::SortByColumn(int column) {
    sort_.Click(column);
    Sort();
}

void RecordRowsModel::Sort() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection stays with its row, as the rows' ticks do.
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> entries;
    for (const QModelIndex& index : before)
        entries.push_back(rows_[static_cast<std::size_t>(index.row())].entry);
    SortRecordRows(rows_, sort_);
    std::vector<int> rowOfEntry(tickedEntries_.size(), 0);
    for (std::size_t row = 0; row < rows_.size(); ++row)
        rowOfEntry[rows_[row].entry] = static_cast<int>(row);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(
            index(rowOfEntry[entries[static_cast<std::size_t>(i)]], before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<std::size_t> RecordRowsModel::Ticked() const {
    std::vector<std::size_t> ticked;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (tickedEntries_[rows_[row].entry]) ticked.push_back(row);
    }
    return ticked;
}

int RecordRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecordRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant RecordRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const RecordRow& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return column < row.cells.size() ? FromCore(DisplayText(row.cells[column])) : QString();
        case Qt::TextAlignmentRole:
            return int(Qt::AlignCenter);
        case Qt::CheckStateRole:
            if (!checkable_ || column != 0) return {};
            return tickedEntries_[row.entry] ? Qt::Checked : Qt::Unchecked;
        default:
            return {};
    }
}

bool RecordRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkable_ || !index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    const RecordRow& row = rows_[static_cast<std::size_t>(index.row())];
    tickedEntries_[row.entry] = value.value<Qt::CheckState>() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags RecordRowsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (checkable_ && index.column() == 0) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant RecordRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    return Translated(language_, columns_[static_cast<std::size_t>(section)].heading);
}

}  // namespace orvane::gui
