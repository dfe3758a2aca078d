#include "browser/CourseList.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "util/Text.h"

namespace orvane {
namespace {

// What a row is ordered by under each column's rule.
std::string_view SortText(const CourseRow& row, int column) {
    static const std::string kLast(1, '\xFF');
    switch (column) {
        case kStoredColumn:
            return row.IsStored() ? row.cells[kStoredColumn] : row.cells[kAddedColumn];
        case kAddedColumn: return row.cells[kStoredColumn];
        case kModifiedColumn:
            return row.IsModified() ? std::string_view(row.cells[kModifiedColumn]) : kLast;
        default: return {};
    }
}

bool IsVersionColumn(int column) {
    return column == static_cast<int>(kStoredColumn) || column == static_cast<int>(kAddedColumn) ||
           column == static_cast<int>(kModifiedColumn);
}

}  // namespace

std::string VersionCellText(std::string_view displayName, double version) {
    // "%s [ v%2.2lf ]", without printf: a search may format tens of thousands.
    std::array<char, 32> digits{};
    const auto written =
        std::to_chars(digits.data(), digits.data() + digits.size(), version, std::chars_format::fixed, 2);
    std::string text;
    text.reserve(displayName.size() + 16);
    text.append(displayName).append(" [ v").append(digits.data(), written.ptr).append(" ]");
    return text;
}

CourseRow MakeCourseRow(const CourseNode& course, std::string_view displayName,
                        const CourseNode* stored, std::string_view storedDisplayName) {
    CourseRow row;
    const std::string text = VersionCellText(displayName, course.version);
    row.cells[kCheckColumn] = " ";
    row.cells[kStoredColumn] = text;
    row.cells[kNameColumn] = course.name;
    row.cells[kIdColumn] = std::to_string(course.id);
    if (course.mark == Mark::New) {
        row.cells[kAddedColumn] = text;
        row.cells[kStoredColumn] = " ";
    } else if (course.mark == Mark::Updated) {
        row.cells[kModifiedColumn] = text;
        if (stored != nullptr)
            row.cells[kStoredColumn] = VersionCellText(storedDisplayName, stored->version);
    }
    return row;
}

std::array<std::string, 3> HeaderTexts(const HeaderCounts& counts, Language language) {
    const bool korean = language == Language::Korean;
    return {Format(korean ? "저장되어있는 골프장 (%d)" : "Stored Courses (%d)", counts.stored),
            Format(korean ? "추가된 골프장 (%d)" : "Added Courses (%d)", counts.added),
            Format(korean ? "수정된 골프장 (%d)" : "Modified Courses (%d)", counts.modified)};
}

void CourseList::Clear() {
    rows_.clear();
    allChecked_ = false;
}

void CourseList::Sort(int column) {
    sortColumn_ = column;
    if (!IsVersionColumn(column)) return;
    // Order positions by keys taken once, then move each row once: rows are
    // large and a search can list tens of thousands. string_view compares
    // byte-wise on unsigned bytes, as the list does.
    std::vector<std::string_view> keys;
    keys.reserve(rows_.size());
    for (const CourseRow& row : rows_) keys.push_back(SortText(row, column));
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<CourseRow> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t position : order) sorted.push_back(std::move(rows_[position]));
    rows_ = std::move(sorted);
}

void CourseList::ColumnHeaderClicked(int column) {
    if (IsVersionColumn(column) || rows_.empty()) {
        Sort(column);
        return;
    }
    sortColumn_ = column;
    if (column != static_cast<int>(kCheckColumn)) return;
    allChecked_ = !allChecked_;
    for (CourseRow& row : rows_) row.checked = allChecked_;
}

HeaderCounts CourseList::Counts() const {
    HeaderCounts counts;
    for (const CourseRow& row : rows_) {
        counts.stored += row.IsStored() ? 1 : 0;
        counts.added += row.IsAdded() ? 1 : 0;
        counts.modified += row.IsModified() ? 1 : 0;
    }
    return counts;
}

}  // namespace orvane
