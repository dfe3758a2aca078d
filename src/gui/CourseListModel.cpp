#include "gui/CourseListModel.h"

#include "gui/Translated.h"
#include "util/TextDecoding.h"

namespace orvane::gui {
namespace {

constexpr int kShownRowsKept = 512;

}  // namespace

CourseListModel::CourseListModel(Browser& browser, QObject* parent)
    : QAbstractTableModel(parent), browser_(browser) {
    CatchUp();
}

int CourseListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int CourseListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumnCount);
}

const CourseListModel::ShownRow* CourseListModel::Shown(int row) const {
    if (const auto found = shown_.constFind(row); found != shown_.constEnd()) return &*found;
    if (frozen_ || row < 0 || static_cast<std::size_t>(row) >= browser_.list.rows().size())
        return nullptr;
    if (shown_.size() > kShownRowsKept) shown_.clear();
    const CourseRow& course = browser_.list.rows()[static_cast<std::size_t>(row)];
    ShownRow shown;
    for (std::size_t column = 0; column < kColumnCount; ++column)
        shown.cells[column] = QString::fromStdString(DisplayText(course.Cell(column)));
    shown.checked = course.checked;
    return &*shown_.insert(row, std::move(shown));
}

QVariant CourseListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const ShownRow* shown = Shown(index.row());
    if (shown == nullptr) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return shown->cells[static_cast<std::size_t>(index.column())];
    if (role == Qt::CheckStateRole && index.column() == static_cast<int>(kCheckColumn))
        return shown->checked ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool CourseListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != static_cast<int>(kCheckColumn) ||
        index.row() < 0 || index.row() >= rows_)
        return false;
    const bool checked = value.value<Qt::CheckState>() == Qt::Checked;
    if (frozen_) {
        // A job runs: the tick shows at once and reaches the core after it.
        pendingChecks_[index.row()] = checked;
        if (const auto shown = shown_.find(index.row()); shown != shown_.end())
            shown->checked = checked;
    } else {
        browser_.SetChecked(static_cast<std::size_t>(index.row()), checked);
        // Only this row changed: no need for the whole list to be drawn again.
        seen_.checks = browser_.revisions().checks;
        shown_.remove(index.row());
    }
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CourseListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == static_cast<int>(kCheckColumn)) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant CourseListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    if (section == static_cast<int>(kCheckColumn)) return QStringLiteral("v");
    if (section >= static_cast<int>(kStoredColumn) && section <= static_cast<int>(kModifiedColumn))
        return headings_[static_cast<std::size_t>(section - 1)];
    return {};
}

void CourseListModel::CatchUp() {
    frozen_ = false;
    const BrowserRevisions now = browser_.revisions();
    if (now.rows != seen_.rows) {
        // Ticks made while the list was being refilled were on rows now gone.
        pendingChecks_.clear();
        beginResetModel();
        shown_.clear();
        rows_ = static_cast<int>(browser_.list.rows().size());
        endResetModel();
    } else if (now.checks != seen_.checks && rows_ > 0) {
        // Check-all, or the deletion moving texts: every row may differ.
        shown_.clear();
        emit dataChanged(index(0, 0), index(rows_ - 1, static_cast<int>(kColumnCount) - 1));
    }
    for (const auto& [row, checked] : pendingChecks_.asKeyValueRange())
        browser_.SetChecked(static_cast<std::size_t>(row), checked);
    pendingChecks_.clear();
    if (now.headings != seen_.headings) {
        for (std::size_t i = 0; i < headings_.size(); ++i)
            headings_[i] = FromCore(browser_.headings[i]);
        emit headerDataChanged(Qt::Horizontal, 1, 3);
    }
    seen_ = browser_.revisions();
}

}  // namespace orvane::gui
