#include "browser/CourseList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace orvane {
namespace {

// The list's sort against the rule written plainly: the rule's text of every
// row built in full and ordered stably, byte by byte as unsigned bytes.
std::string RuleText(const CourseRow& row, int column) {
    switch (column) {
        case kStoredColumn: return row.Cell(row.IsStored() ? kStoredColumn : kAddedColumn);
        case kAddedColumn: return row.Cell(kStoredColumn);
        default: return row.IsModified() ? row.Cell(kModifiedColumn) : std::string("\xFF");
    }
}

TEST(CourseListSort, OrdersAsTheFullCellTextsDo) {
    // Names sharing long beginnings, names that begin other names, equal
    // names, Korean bytes and versions of every width.
    const std::vector<std::string> stems = {"Pine Valley Golf Club",   "Pine Valley Golf Club East",
                                            "Pine Valley Golf",        "Pine Valley Golf Club ",
                                            "\xEA\xB0\x80\xED\x8F\x89 CC", "A", "",
                                            "Pine Valley Golf Club!"};
    std::mt19937 random(5);
    std::vector<CourseNode> courses(600);
    std::vector<CourseNode> stored(courses.size());
    CourseList list;
    for (std::size_t i = 0; i < courses.size(); ++i) {
        CourseNode& course = courses[i];
        course.title = stems[random() % stems.size()];
        course.name = "N" + std::to_string(i);
        course.version = static_cast<double>(random() % 2000) / (random() % 2 ? 100.0 : 1.0);
        course.mark = std::array{Mark::Stored, Mark::New, Mark::Updated}[random() % 3];
        stored[i].version = course.version - 0.5;
        list.Append(MakeCourseRow(course, false, random() % 2 ? &stored[i] : nullptr));
    }
    for (int deleted = 0; deleted < 40; ++deleted) list.MarkDeleted(random() % courses.size());

    for (int column : {kStoredColumn, kAddedColumn, kModifiedColumn}) {
        std::vector<CourseRow> expected = list.rows();
        std::stable_sort(expected.begin(), expected.end(), [column](const CourseRow& a, const CourseRow& b) {
            return RuleText(a, column) < RuleText(b, column);
        });
        list.Sort(column);
        ASSERT_EQ(list.rows().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(list.rows()[i].course, expected[i].course) << "column " << column << ", row " << i;
    }
}

}  // namespace
}  // namespace orvane
