#include "gui/RecordTable.h"

#include <QHeaderView>
#include <QScrollBar>

#include "gui/WindowStyle.h"

namespace orvane::gui {
namespace {

// Room beside a text for the cell's margins and, in a heading, the sort mark.
constexpr int kCellPadding = 12;
constexpr int kHeadingPadding = 28;
// Room for the check box before the first column's text.
constexpr int kCheckBoxRoom = 26;

}  // namespace

RecordTable::RecordTable(RecordRowsModel& model, QAbstractItemView::SelectionMode selection,
                         QWidget* parent)
    : QTableView(parent), model_(model) {
    setModel(&model);
    setFont(ListFont());
    setSortingEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(selection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(QFontMetrics(ListFont()).height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(true);
    header->setSectionResizeMode(QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        model_.SortByColumn(column);
        ShowSort();
    });
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        FitColumns();
        ShowSort();
    });
    FitColumns();
    ShowSort();
}

void RecordTable::FitColumns() {
    const QFontMetrics cells(font());
    const QFontMetrics headings(horizontalHeader()->font());
    for (int column = 0; column < model_.columnCount(); ++column) {
        int width = 0;
        if (column < static_cast<int>(model_.columns().size()))
            width = model_.columns()[static_cast<std::size_t>(column)].width;
        width = std::max(
            width, headings.horizontalAdvance(
                       model_.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
                       kHeadingPadding);
        const int extra = kCellPadding + (column == 0 && model_.checkable() ? kCheckBoxRoom : 0);
        for (int row = 0; row < model_.rowCount(); ++row) {
            const QString text = model_.data(model_.index(row, column), Qt::DisplayRole).toString();
            width = std::max(width, cells.horizontalAdvance(text) + extra);
        }
        setColumnWidth(column, width);
    }
}

void RecordTable::ShowSort() {
    const RecordSort& sort = model_.sort();
    const auto column = static_cast<std::size_t>(sort.column);
    const bool descending = column < sort.descending.size() && sort.descending[column] == 1;
    horizontalHeader()->setSortIndicator(sort.column,
                                         descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

int RecordTable::PreferredWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < model_.columnCount(); ++column) width += columnWidth(column);
    return width;
}

std::optional<std::size_t> RecordTable::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(rows.front().row());
}

}  // namespace orvane::gui
