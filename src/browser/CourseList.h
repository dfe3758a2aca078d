#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// One row of the list. It refers to its catalogue course (and, for a
// modified course, the device's copy) and formats its cells when asked, so
// that listing tens of thousands of courses costs no text at all until a
// row is shown. The mark is taken when the row is made: a transfer marks
// courses stored while the list still shows them as they were.
struct CourseRow {
    const CourseNode* course = nullptr;
    // The device's copy of a modified course; nullptr when there is none.
    const CourseNode* stored = nullptr;
    Mark mark = Mark::Stored;
    // Shown by its `name` (Korean courses in the English interface) rather
    // than its `title`.
    bool shownByName = false;
    bool checked = false;
    // The deletion removed its map: the stored text moved to the added column.
    bool deleted = false;

    const std::string& DisplayName() const { return shownByName ? course->name : course->title; }
    // The cell's text exactly as the list shows it (bytes as the catalogue
    // holds them).
    std::string Cell(std::size_t column) const;

    bool IsStored() const { return !deleted && mark != Mark::New; }
    bool IsAdded() const { return deleted || mark == Mark::New; }
    bool IsModified() const { return mark == Mark::Updated; }
};

// A row for a catalogue course. An Updated course shows the device's copy in
// the stored column when `stored` is given.
CourseRow MakeCourseRow(const CourseNode& course, bool shownByName, const CourseNode* stored);

struct HeaderCounts {
    int stored = 0;
    int added = 0;
    int modified = 0;
};

// The three version columns' headings with their counts.
std::array<std::string, 3> HeaderTexts(const HeaderCounts& counts, Language language);

// The check-box list of courses: its rows in display order and the check-all
// toggle.
class CourseList {
public:
    // Deletes every row and clears the check-all toggle.
    void Clear();
    void Append(CourseRow row) {
        rows_.push_back(row);
        ++revision_;
    }

    // Orders the rows by the rule of `column` (0 keeps them as they are),
    // stably, so rows that compare equal keep their fill order.
    void Sort(int column);
    // A click on a heading: sorts by columns 1 to 3; on column 0 checks or
    // clears every row.
    void ColumnHeaderClicked(int column);
    void SetChecked(std::size_t row, bool checked) {
        rows_.at(row).checked = checked;
        ++checksRevision_;
    }
    // The deletion moves a row's stored text to the added column.
    void MarkDeleted(std::size_t row);

    // The first row of the course named `name`, as its bytes are or as
    // DisplayText shows them (a name printed earlier may come back decoded).
    std::optional<std::size_t> FindByName(std::string_view name) const;

    HeaderCounts Counts() const;
    const std::vector<CourseRow>& rows() const { return rows_; }
    bool allChecked() const { return allChecked_; }

    // Grow with every change of the rows and their order, and with every
    // change made to rows in place, so that a view knows what to redraw.
    std::uint64_t revision() const { return revision_; }
    std::uint64_t checksRevision() const { return checksRevision_; }

private:
    std::vector<CourseRow> rows_;
    bool allChecked_ = false;
    std::uint64_t revision_ = 0;
    std::uint64_t checksRevision_ = 0;
};

}  // namespace orvane
