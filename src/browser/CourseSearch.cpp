#include "browser/CourseSearch.h"

#include "util/TextDecoding.h"

namespace orvane {
namespace {

bool IsKoreanCourse(const CourseNode& course) { return course.id / 10000 == 5010; }

bool HoldsWords(std::string_view text, std::string_view first, std::string_view second) {
    return text.find(first) != std::string_view::npos &&
           (second.empty() || text.find(second) != std::string_view::npos);
}

}  // namespace

void CourseSearchIndex::Clear() {
    entries_.clear();
    texts_.clear();
    built_ = false;
}

std::uint32_t CourseSearchIndex::Add(std::string_view text) {
    const auto offset = static_cast<std::uint32_t>(texts_.size());
    texts_ += FoldedCase(DisplayText(text));
    return offset;
}

void CourseSearchIndex::Build(const CatalogueData& data) {
    Clear();
    for (const auto& zone : data.CatalogueList) {
        for (const CourseNode& course : zone) {
            Entry entry{&course, Add(course.title), 0, 0, 0};
            entry.titleLength = static_cast<std::uint32_t>(texts_.size()) - entry.title;
            if (IsKoreanCourse(course)) {
                entry.name = Add(course.name);
                entry.nameLength = static_cast<std::uint32_t>(texts_.size()) - entry.name;
            }
            entries_.push_back(entry);
        }
    }
    built_ = true;
}

std::vector<const CourseNode*> CourseSearchIndex::Find(const CatalogueData& data,
                                                       std::string_view text) {
    if (!built_) Build(data);
    const std::string words = FoldedCase(DisplayText(text));
    const std::size_t blank = words.find(' ');
    const std::string_view all(words);
    const std::string_view first = blank == std::string::npos ? all : all.substr(0, blank);
    const std::string_view second =
        blank == std::string::npos ? std::string_view() : all.substr(blank + 1);

    std::vector<const CourseNode*> found;
    for (const Entry& entry : entries_) {
        if (HoldsWords(Text(entry.title, entry.titleLength), first, second) ||
            (entry.nameLength > 0 && HoldsWords(Text(entry.name, entry.nameLength), first, second))) {
            found.push_back(entry.course);
            if (found.size() == kMaxSearchResults) break;
        }
    }
    return found;
}

}  // namespace orvane
