#include "gui/CourseListPane.h"

#include <QHeaderView>

#include "gui/Translated.h"
#include "gui/WindowStyle.h"
#include "shell/FrontEndTexts.h"

namespace orvane::gui {

CourseListPane::CourseListPane(CourseListModel& model, QWidget* parent) : QTableView(parent) {
    setModel(&model);
    setFont(ListFont());
    setSortingEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(QFontMetrics(ListFont()).height() + 4);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    const int widths[kColumnCount] = {19, 191, 180, 170, 0, 0, 0};
    for (int column = 0; column < static_cast<int>(kColumnCount); ++column) {
        setColumnWidth(column, widths[column]);
        if (widths[column] == 0) setColumnHidden(column, true);
    }
    connect(header, &QHeaderView::sectionClicked, this, &CourseListPane::headingClicked);
}

void CourseListPane::ApplyLanguage(Language language) {
    setAccessibleName(Translated(language, text::CourseListName));
}

}  // namespace orvane::gui
