#pragma once

#include <QTableView>

#include "gui/CourseListModel.h"

namespace orvane::gui {

// The course list: seven columns (the check box, stored, added and modified
// courses; the three key columns hidden) that the view never sorts by
// itself. A click on a heading goes to the browser.
class CourseListPane : public QTableView {
    Q_OBJECT
public:
    CourseListPane(CourseListModel& model, QWidget* parent);

    void ApplyLanguage(Language language);

signals:
    void headingClicked(int column);
};

}  // namespace orvane::gui
