#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueData.h"

namespace orvane {

// The size of the result array: a search stops there.
inline constexpr std::size_t kMaxSearchResults = 655360;

// The catalogue courses, zone by zone in list order, whose long name holds
// the words of `text` (one word, or the two around its first blank) in any
// letter case; a Korean course also matches by its short name. Texts are
// compared as DisplayText shows them, so a title the server wrote in CP949
// is found by the same word typed in UTF-8.
std::vector<const CourseNode*> FindCourses(const CatalogueData& data, std::string_view text);

}  // namespace orvane
