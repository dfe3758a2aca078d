#pragma once

#include <string>
#include <vector>

#include "catalogue/CourseNode.h"

namespace orvane::demo {

// The files of one zone, in memory, written with the core's own writers so
// that they read back exactly.

// A text club list: the server's, and a device's on every model but the
// first generation.
std::string TextClubList(const std::vector<CourseNode>& courses);

// Binary records as a first-generation device keeps them (the server's
// Cour107 reference list has the same form).
std::string BinaryClubList(const std::vector<CourseNode>& courses);

// The server's alias list: "<fileKey> <name>" for each course that has an
// alias, CR LF after each.
std::string AliasList(const std::vector<CourseNode>& courses);

// The club list of a zone as a device of `modelCode` stores it.
std::string DeviceClubList(const std::vector<CourseNode>& courses, int modelCode);

}  // namespace orvane::demo
