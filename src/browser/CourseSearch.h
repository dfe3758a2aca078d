#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueData.h"

namespace orvane {

// The size of the result array: a search stops there.
inline constexpr std::size_t kMaxSearchResults = 655360;

// The catalogue's names as the search reads them: each course's title, and a
// Korean course's short name, decoded (DisplayText) and lower-cased once, so
// that each search is a plain substring test. A title the server wrote in
// CP949 is found by the same word typed in UTF-8.
class CourseSearchIndex {
public:
    // The catalogue courses, zone by zone in list order, whose title holds
    // the words of `text` (one word, or the two around its first blank) in
    // any letter case; a Korean course also matches by its short name. The
    // index is built at the first search after Clear.
    std::vector<const CourseNode*> Find(const CatalogueData& data, std::string_view text);
    // The catalogue is about to be loaded again.
    void Clear();

private:
    struct Entry {
        const CourseNode* course;
        std::uint32_t title;
        std::uint32_t titleLength;
        // Korean courses only; zero length otherwise.
        std::uint32_t name;
        std::uint32_t nameLength;
    };
    void Build(const CatalogueData& data);
    std::uint32_t Add(std::string_view text);
    std::string_view Text(std::uint32_t offset, std::uint32_t length) const {
        return std::string_view(texts_).substr(offset, length);
    }

    std::vector<Entry> entries_;
    // Every folded text, one after another.
    std::string texts_;
    bool built_ = false;
};

}  // namespace orvane
