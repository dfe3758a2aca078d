#pragma once

#include <cstdint>

#include "DemoAreas.h"
#include "DemoRandom.h"
#include "catalogue/CourseNode.h"

namespace orvane::demo {

// A position in millionths of a degree, the unit of a club list's offsets.
struct MicroDegrees {
    std::int32_t lat = 0;
    std::int32_t lon = 0;
};

MicroDegrees PointIn(DemoRandom& random, const GeoBox& box);

// cos of an angle in degrees, worked by its series, so that the same seed
// gives the same bytes whatever maths library the machine has.
double CosDegrees(double degrees);

// A direction on the ground as its unit vector.
struct Heading {
    double north = 1;
    double east = 0;
};

// `degrees` clockwise from north.
Heading HeadingOf(double degrees);

// The point `along` metres from `from` in `heading` and `across` metres to
// the left of it.
MicroDegrees Moved(MicroDegrees from, Heading heading, double along, double across);

// A point up to `metres` away from `centre` in each direction.
MicroDegrees PointNear(DemoRandom& random, MicroDegrees centre, int metres);

// Gives `course` its reference point at `corner` and the three other corners
// of a course-sized rectangle (a few hundred metres a side, any heading) as
// its points, then its bounds.
void ShapeCourse(DemoRandom& random, CourseNode& course, MicroDegrees corner);

}  // namespace orvane::demo
