#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CourseNode.h"
#include "shell/Language.h"

namespace orvane {

// The seven columns of the course list.
enum CourseColumn : std::size_t {
    kCheckColumn = 0,
    kStoredColumn = 1,
    kAddedColumn = 2,
    kModifiedColumn = 3,
    kNameColumn = 4,
    kIdColumn = 5,
    kUnusedColumn = 6,
    kColumnCount = 7,
};

// The text of one course in a version column: "<name> [ v1.25 ]".
std::string VersionCellText(std::string_view displayName, double version);

struct CourseRow {
    bool checked = false;
    std::array<std::string, kColumnCount> cells;

    bool IsStored() const { return cells[kStoredColumn] != " "; }
    bool IsAdded() const { return !cells[kAddedColumn].empty(); }
    bool IsModified() const { return !cells[kModifiedColumn].empty(); }
};

// A row for a catalogue course, shown as `displayName`. An Updated course
// shows the device's copy in the stored column when `stored` is given.
CourseRow MakeCourseRow(const CourseNode& course, std::string_view displayName,
                        const CourseNode* stored, std::string_view storedDisplayName);

struct HeaderCounts {
    int stored = 0;
    int added = 0;
    int modified = 0;
};

// The three version columns' headings with their counts.
std::array<std::string, 3> HeaderTexts(const HeaderCounts& counts, Language language);

// The check-box list of courses: its rows in display order, the column that
// orders them and the check-all toggle.
class CourseList {
public:
    // Deletes every row and clears the check-all toggle.
    void Clear();
    void Append(CourseRow row) { rows_.push_back(std::move(row)); }

    // Orders the rows by the rule of `column` (0 keeps them as they are),
    // stably, so rows that compare equal keep their fill order.
    void Sort(int column);
    // A click on a heading: sorts by columns 1 to 3; on column 0 checks or
    // clears every row.
    void ColumnHeaderClicked(int column);
    void SetChecked(std::size_t row, bool checked) { rows_.at(row).checked = checked; }
    // The deletion moves a row's texts between columns as it goes.
    CourseRow& row(std::size_t index) { return rows_.at(index); }

    HeaderCounts Counts() const;
    const std::vector<CourseRow>& rows() const { return rows_; }
    int sortColumn() const { return sortColumn_; }
    bool allChecked() const { return allChecked_; }

private:
    std::vector<CourseRow> rows_;
    int sortColumn_ = 0;
    bool allChecked_ = false;
};

}  // namespace orvane
