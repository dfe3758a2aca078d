#include "browser/CourseList.h"

#include <algorithm>
#include <charconv>
#include <numeric>

#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane {
namespace {

constexpr std::string_view kNotStored = " ";
constexpr std::string_view kLastKey = "\xFF";

// A version cell as the name and the " [ v1.25 ]" after it, kept apart so
// that sorting compares their concatenation without building it (the tail
// fits in a string's inline buffer).
struct CellText {
    std::string_view name;
    std::string tail;

    static CellText Plain(std::string_view text) { return {text, {}}; }
    static CellText Version(std::string_view name, double version) {
        // "%2.2lf" without printf: a search may list tens of thousands of rows.
        std::array<char, 32> digits{};
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), version,
                                           std::chars_format::fixed, 2);
        std::string tail = " [ v";
        if (written.ec == std::errc()) {
            tail.append(digits.data(), written.ptr);
        } else {
            tail += Format("%2.2lf", version);  // too long for the buffer: huge values
        }
        tail += " ]";
        return {name, std::move(tail)};
    }

    std::string Joined() const { return std::string(name).append(tail); }
};

// Byte-wise on unsigned bytes, as std::string_view compares.
bool Less(const CellText& a, const CellText& b) {
    std::string_view a1 = a.name, a2 = a.tail, b1 = b.name, b2 = b.tail;
    for (;;) {
        if (a1.empty()) std::swap(a1, a2);
        if (b1.empty()) std::swap(b1, b2);
        if (a1.empty() || b1.empty()) return a1.empty() && !b1.empty();
        const std::size_t common = std::min(a1.size(), b1.size());
        const int order = a1.substr(0, common).compare(b1.substr(0, common));
        if (order != 0) return order < 0;
        a1.remove_prefix(common);
        b1.remove_prefix(common);
    }
}

// The text of the device's copy: a modified course's stored version, else
// the catalogue's.
CellText StoredText(const CourseRow& row) {
    const double version = row.stored != nullptr ? row.stored->version : row.course->version;
    return CellText::Version(row.DisplayName(), version);
}

CellText ColumnText(const CourseRow& row, std::size_t column) {
    switch (column) {
        case kCheckColumn: return CellText::Plain(kNotStored);
        case kStoredColumn: return row.IsStored() ? StoredText(row) : CellText::Plain(kNotStored);
        case kAddedColumn:
            if (row.deleted) return StoredText(row);
            return row.mark == Mark::New ? CellText::Version(row.DisplayName(), row.course->version)
                                         : CellText::Plain("");
        case kModifiedColumn:
            return row.IsModified() ? CellText::Version(row.DisplayName(), row.course->version)
                                    : CellText::Plain("");
        case kNameColumn: return CellText::Plain(row.course->name);
        default: return CellText::Plain("");
    }
}

// What a row is ordered by under each column's rule.
CellText SortText(const CourseRow& row, int column) {
    switch (column) {
        case kStoredColumn:
            return ColumnText(row, row.IsStored() ? kStoredColumn : kAddedColumn);
        case kAddedColumn: return ColumnText(row, kStoredColumn);
        case kModifiedColumn:
            return row.IsModified() ? ColumnText(row, kModifiedColumn) : CellText::Plain(kLastKey);
        default: return CellText::Plain("");
    }
}

bool IsVersionColumn(int column) {
    return column == static_cast<int>(kStoredColumn) || column == static_cast<int>(kAddedColumn) ||
           column == static_cast<int>(kModifiedColumn);
}

}  // namespace

std::string VersionCellText(std::string_view displayName, double version) {
    return CellText::Version(displayName, version).Joined();
}

std::string CourseRow::Cell(std::size_t column) const {
    if (column == kIdColumn) return std::to_string(course->id);
    return ColumnText(*this, column).Joined();
}

CourseRow MakeCourseRow(const CourseNode& course, bool shownByName, const CourseNode* stored) {
    return {.course = &course,
            .stored = course.mark == Mark::Updated ? stored : nullptr,
            .mark = course.mark,
            .shownByName = shownByName};
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
    ++revision_;
}

void CourseList::Sort(int column) {
    if (!IsVersionColumn(column)) return;
    // Keys are taken once; each comparison then walks two short pieces.
    std::vector<CellText> keys;
    keys.reserve(rows_.size());
    for (const CourseRow& row : rows_) keys.push_back(SortText(row, column));
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return Less(keys[a], keys[b]); });
    std::vector<CourseRow> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t position : order) sorted.push_back(rows_[position]);
    rows_ = std::move(sorted);
    ++revision_;
}

void CourseList::ColumnHeaderClicked(int column) {
    if (IsVersionColumn(column) || rows_.empty()) {
        Sort(column);
        return;
    }
    if (column != static_cast<int>(kCheckColumn)) return;
    allChecked_ = !allChecked_;
    for (CourseRow& row : rows_) row.checked = allChecked_;
    ++checksRevision_;
}

void CourseList::MarkDeleted(std::size_t row) {
    CourseRow& deleted = rows_.at(row);
    deleted.deleted = true;
    deleted.checked = false;
    ++checksRevision_;
}

std::optional<std::size_t> CourseList::FindByName(std::string_view name) const {
    const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const CourseRow& row) {
        return row.course->name == name || DisplayText(row.course->name) == name;
    });
    if (found == rows_.end()) return std::nullopt;
    return static_cast<std::size_t>(found - rows_.begin());
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
