#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// How a catalogue course stands against the device.
enum class Mark : char { Stored = 0, New = 'N', Updated = 'U' };

// Offsets of a further point from a course's reference point, in millionths
// of a degree.
struct PointOffset {
    std::int32_t dLat = 0;
    std::int32_t dLon = 0;
};

// One course of one zone, from the server's catalogue or the device's club list.
struct CourseNode {
    std::int32_t zone = 0;
    // The area code; id / 100 and id % 100 name the course's map folder.
    std::int32_t id = 0;
    std::string title;
    // The key by which catalogue and device entries are matched.
    std::string name;
    // An alias beginning with "_" (first-generation devices); empty when none.
    std::string fileKey;
    // The 8-character key of the first-generation club list.
    std::string shortKey;
    Mark mark = Mark::Stored;
    double version = 0;
    double maxLat = 0;
    double minLat = 0;
    double minLon = 0;
    double maxLon = 0;
    double lat = 0;
    double lon = 0;
    std::array<PointOffset, 3> points{};
};

// Longest name and title a club list may carry; longer ones are cut.
inline constexpr std::size_t kMaxCourseText = 255;
inline constexpr std::size_t kShortKeyLength = 8;

// `name` cut to 8 characters or padded with "_" to 8.
std::string ShortKeyFor(std::string_view name);

// The key a first-generation device knows the course by, and the stem of its
// map file there: the alias when it has one, else the short key.
const std::string& FirstGenerationKey(const CourseNode& course);

// Sets the four bounds from the reference point and the three offsets.
void ComputeBounds(CourseNode& course);

}  // namespace orvane
