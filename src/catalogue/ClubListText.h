#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/CourseNode.h"
#include "shell/Ui.h"

namespace orvane {

// Moves `position` past `count` blank-separated tokens of the current line; a
// line end stops the skip early and is stepped over. Bytes at or past
// `length` read as zero.
std::size_t SkipTokens(const std::string& text, std::size_t position, int count, std::size_t length);

// Whose club list a text is: the server's catalogue keeps the names as they
// are and derives the short key; a device list turns "_" names into aliases.
enum class ClubListSide { Catalogue, Device };

// The courses of a text club list, in file order. A line whose version is
// outside 0.3..9.99 is reported through `ui` ("ClubList: Z= <zone>",
// captioned "CC: <name>") and skipped.
std::vector<CourseNode> ParseTextClubList(const std::string& text, int zone, ClubListSide side,
                                          Ui& ui);

// One course as a line of a text club list.
void AppendTextClubListLine(std::string& out, const CourseNode& course);

}  // namespace orvane
