#include "browser/CourseSearch.h"

#include <algorithm>
#include <string>

namespace orvane {
namespace {

// Only ASCII letters change case; Korean bytes stay as they are.
char LowerByte(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) c = LowerByte(c);
    return lowered;
}


// Whether `text`, lower-cased, holds `word` (already lower-case), without
// copying the text: the search reads every title of the catalogue.
bool ContainsLowered(std::string_view text, std::string_view word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(),
                       [](char a, char b) { return LowerByte(a) == b; }) != text.end();
}

bool ContainsWords(std::string_view text, std::string_view first, std::string_view second) {
    return ContainsLowered(text, first) && (second.empty() || ContainsLowered(text, second));
}

bool IsKoreanCourse(const CourseNode& course) { return course.id / 10000 == 5010; }

}  // namespace

std::vector<const CourseNode*> FindCourses(const CatalogueData& data, std::string_view text) {
    const std::string words = Lowered(text);
    const std::size_t blank = words.find(' ');
    const std::string_view all(words);
    const std::string_view first = blank == std::string::npos ? all : all.substr(0, blank);
    const std::string_view second =
        blank == std::string::npos ? std::string_view() : all.substr(blank + 1);

    std::vector<const CourseNode*> found;
    for (const auto& zone : data.CatalogueList) {
        for (const CourseNode& course : zone) {
            if (ContainsWords(course.title, first, second) ||
                (IsKoreanCourse(course) && ContainsWords(course.name, first, second))) {
                found.push_back(&course);
                if (found.size() == kMaxSearchResults) return found;
            }
        }
    }
    return found;
}

}  // namespace orvane
