#include "DemoGeometry.h"

#include <array>
#include <cmath>

namespace orvane::demo {
namespace {

constexpr double kMetresPerDegree = 111320.0;
constexpr double kPi = 3.14159265358979323846;

// Headings as (north, east) unit vectors, 15 degrees apart over a half turn:
// a rectangle turned by 180 degrees is the same rectangle.
constexpr std::array<std::array<double, 2>, 12> kHeadings{{
    {1.0, 0.0},
    {0.9659258262890683, 0.25881904510252074},
    {0.8660254037844387, 0.5},
    {0.7071067811865476, 0.7071067811865476},
    {0.5, 0.8660254037844387},
    {0.25881904510252074, 0.9659258262890683},
    {0.0, 1.0},
    {-0.25881904510252074, 0.9659258262890683},
    {-0.5, 0.8660254037844387},
    {-0.7071067811865476, 0.7071067811865476},
    {-0.8660254037844387, 0.5},
    {-0.9659258262890683, 0.25881904510252074},
}};

std::int32_t Micro(double degrees) {
    return static_cast<std::int32_t>(std::floor(degrees * 1e6 + 0.5));
}

std::int32_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
    return static_cast<std::int32_t>(value < low ? low : value > high ? high : value);
}

int Between(DemoRandom& random, std::int32_t low, std::int32_t high) {
    return high <= low ? low : random.Between(low, high);
}

// Metres north and east as offsets in millionths of a degree at `lat`.
PointOffset Offset(double north, double east, double lat) {
    const double latScale = 1e6 / kMetresPerDegree;
    const double lonScale = latScale / CosDegrees(lat);
    return {static_cast<std::int32_t>(std::floor(north * latScale + 0.5)),
            static_cast<std::int32_t>(std::floor(east * lonScale + 0.5))};
}

}  // namespace

double CosDegrees(double degrees) {
    // The series is exact enough within half a turn of zero only.
    while (degrees > 180.0) degrees -= 360.0;
    while (degrees < -180.0) degrees += 360.0;
    const double x = degrees * kPi / 180.0;
    const double x2 = x * x;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 10; ++n) {
        term *= -x2 / ((2.0 * n - 1.0) * (2.0 * n));
        sum += term;
    }
    return sum;
}

Heading HeadingOf(double degrees) { return {CosDegrees(degrees), CosDegrees(90.0 - degrees)}; }

MicroDegrees Moved(MicroDegrees from, Heading heading, double along, double across) {
    const PointOffset offset =
        Offset(along * heading.north + across * heading.east,
               along * heading.east - across * heading.north, from.lat / 1e6);
    return {Clamp(std::int64_t{from.lat} + offset.dLat, -90000000, 90000000),
            Clamp(std::int64_t{from.lon} + offset.dLon, -180000000, 180000000)};
}

MicroDegrees PointIn(DemoRandom& random, const GeoBox& box) {
    return {Between(random, Micro(box.south), Micro(box.north)),
            Between(random, Micro(box.west), Micro(box.east))};
}

MicroDegrees PointNear(DemoRandom& random, MicroDegrees centre, int metres) {
    const PointOffset reach = Offset(metres, metres, centre.lat / 1e6);
    const std::int64_t lat = centre.lat + random.Between(-reach.dLat, reach.dLat);
    const std::int64_t lon = centre.lon + random.Between(-reach.dLon, reach.dLon);
    return {Clamp(lat, -90000000, 90000000), Clamp(lon, -180000000, 180000000)};
}

void ShapeCourse(DemoRandom& random, CourseNode& course, MicroDegrees corner) {
    course.lat = corner.lat / 1e6;
    course.lon = corner.lon / 1e6;
    const auto& heading = kHeadings[random.Below(static_cast<std::uint32_t>(kHeadings.size()))];
    const double length = random.Between(350, 1100);
    const double width = random.Between(250, 700);
    // Along the heading, then across it to the left.
    const double alongNorth = heading[0] * length, alongEast = heading[1] * length;
    const double acrossNorth = -heading[1] * width, acrossEast = heading[0] * width;
    course.points = {Offset(alongNorth, alongEast, course.lat),
                     Offset(alongNorth + acrossNorth, alongEast + acrossEast, course.lat),
                     Offset(acrossNorth, acrossEast, course.lat)};
    ComputeBounds(course);
}

}  // namespace orvane::demo
