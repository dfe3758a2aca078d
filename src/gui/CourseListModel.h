#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <array>

#include "browser/Browser.h"

namespace orvane::gui {

// The course list as a table over the core's rows. Cells are formatted in
// data() for the rows the view asks for, and kept only for those; the core's
// change counters tell which resets and header changes to emit.
//
// While the worker runs a job the core's rows may change under the view, so
// the model is frozen then: it answers from the cells it formatted last and
// from nothing else, keeps the person's ticks for later, and catches up when
// the job has ended.
class CourseListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CourseListModel(Browser& browser, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Freeze() { frozen_ = true; }
    // After a job, or a change made on this thread: emits what changed.
    void CatchUp();

private:
    struct ShownRow {
        std::array<QString, kColumnCount> cells;
        bool checked = false;
    };
    const ShownRow* Shown(int row) const;

    Browser& browser_;
    bool frozen_ = false;
    int rows_ = 0;
    std::array<QString, 3> headings_;
    BrowserRevisions seen_;
    // The rows formatted for the screen; dropped when it grows past a few
    // screens or the rows change.
    mutable QHash<int, ShownRow> shown_;
    // Ticks made while a job ran, for the core once it has ended.
    QHash<int, bool> pendingChecks_;
};

}  // namespace orvane::gui
