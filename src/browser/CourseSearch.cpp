#include "browser/CourseSearch.h"

#include <algorithm>
#include <string>

#include "util/TextDecoding.h"

namespace orvane {
namespace {

// ASCII letters only; other bytes stay as they are.
char LowerByte(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Whether `text` holds `word` (already decoded and lower-cased) in any letter
// case. Most titles are ASCII and are compared in place, without a copy: the
// search reads every title of the catalogue. Others are decoded (UTF-8 or
// CP949) and lower-cased letter by letter first.
bool Holds(std::string_view text, std::string_view word) {
    if (IsAscii(text)) {
        return std::search(text.begin(), text.end(), word.begin(), word.end(),
                           [](char a, char b) { return LowerByte(a) == b; }) != text.end();
    }
    return FoldedCase(DisplayText(text)).find(word) != std::string::npos;
}

bool HoldsWords(std::string_view text, std::string_view first, std::string_view second) {
    return Holds(text, first) && (second.empty() || Holds(text, second));
}

bool IsKoreanCourse(const CourseNode& course) { return course.id / 10000 == 5010; }

}  // namespace

std::vector<const CourseNode*> FindCourses(const CatalogueData& data, std::string_view text) {
    const std::string words = FoldedCase(DisplayText(text));
    const std::size_t blank = words.find(' ');
    const std::string_view all(words);
    const std::string_view first = blank == std::string::npos ? all : all.substr(0, blank);
    const std::string_view second =
        blank == std::string::npos ? std::string_view() : all.substr(blank + 1);

    std::vector<const CourseNode*> found;
    for (const auto& zone : data.CatalogueList) {
        for (const CourseNode& course : zone) {
            if (HoldsWords(course.title, first, second) ||
                (IsKoreanCourse(course) && HoldsWords(course.name, first, second))) {
                found.push_back(&course);
                if (found.size() == kMaxSearchResults) return found;
            }
        }
    }
    return found;
}

}  // namespace orvane
