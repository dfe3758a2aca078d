#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/CourseGeometry.h"

namespace orvane {

// The DD file: a 20-byte header, then each hole's reference record and items.
// The layout and the scrambling are described where they are defined, in
// CourseGeometryCodec.cpp.

// Reads the DD header and holes into `geometry` (holesPerCourse, courseCount,
// thirdValue, holeTotal, holes), computing each green's centre. A file that
// ends inside a hole keeps the holes read before it and lowers holeTotal.
// Returns false, leaving no hole, when the header is short or names no hole.
bool DecodeCourseGeometry(std::string_view dd, CourseGeometry& geometry);

// The file key is a free choice of the writer; any key reads back.
using DdKey = std::array<std::uint8_t, 4>;
inline constexpr DdKey kDefaultDdKey{0x5A, 0xC3, 0x17, 0x9E};

// Writes holes 1..holeTotal of `geometry` so that DecodeCourseGeometry gives
// them back, coordinates quantised to millionths of a degree. Nothing when a
// value does not fit the layout: more than 63 holes per course or 15 courses,
// a point list over 127 points, a point more than 32767 millionths from its
// hole's reference, or a reference too far from the first hole's.
std::optional<std::string> EncodeCourseGeometry(const CourseGeometry& geometry,
                                                const DdKey& key = kDefaultDdKey);

}  // namespace orvane
