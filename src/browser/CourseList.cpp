#include "browser/CourseList.h"

#include <algorithm>
#include <charconv>

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

// Byte-wise on unsigned bytes, as std::string_view compares: negative, zero
// or positive.
int Compare(const CellText& a, const CellText& b) {
    std::string_view a1 = a.name, a2 = a.tail, b1 = b.name, b2 = b.tail;
    for (;;) {
        if (a1.empty()) std::swap(a1, a2);
        if (b1.empty()) std::swap(b1, b2);
        if (a1.empty() || b1.empty()) return a1.empty() ? (b1.empty() ? 0 : -1) : 1;
        const std::size_t common = std::min(a1.size(), b1.size());
        if (const int order = a1.substr(0, common).compare(b1.substr(0, common)); order != 0)
            return order;
        a1.remove_prefix(common);
        b1.remove_prefix(common);
    }
}

// The first sixteen bytes of a cell's text as two big-endian numbers (zero
// filled), so that comparing them compares those bytes as unsigned.
using Head = std::array<std::uint64_t, 2>;
Head HeadOf(const CellText& cell) {
    std::array<unsigned char, 16> bytes{};
    std::size_t taken = 0;
    for (std::string_view part : {cell.name, std::string_view(cell.tail)}) {
        for (std::size_t i = 0; i < part.size() && taken < bytes.size(); ++i)
            bytes[taken++] = static_cast<unsigned char>(part[i]);
    }
    Head head{};
    for (std::size_t i = 0; i < bytes.size(); ++i) head[i / 8] = (head[i / 8] << 8) | bytes[i];
    return head;
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
    // Keys are taken once. Most comparisons are settled by the first sixteen
    // bytes, read as two numbers; equal keys fall back to their fill order,
    // which keeps the sort stable.
    struct Ordered {
        Head head;
        std::size_t position;
    };
    std::vector<CellText> keys;
    keys.reserve(rows_.size());
    std::vector<Ordered> order;
    order.reserve(rows_.size());
    for (const CourseRow& row : rows_) {
        keys.push_back(SortText(row, column));
        order.push_back({HeadOf(keys.back()), order.size()});
    }
    std::sort(order.begin(), order.end(), [&keys](const Ordered& a, const Ordered& b) {
        // Word by word: comparing the arrays whole would call memcmp.
        if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
        const int byText = Compare(keys[a.position], keys[b.position]);
        return byText != 0 ? byText < 0 : a.position < b.position;
    });
    std::vector<CourseRow> sorted;
    sorted.reserve(rows_.size());
    for (const Ordered& ordered : order) sorted.push_back(rows_[ordered.position]);
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
