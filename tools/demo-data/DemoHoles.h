#pragma once

#include <cstdint>
#include <vector>

#include "DemoGeometry.h"
#include "DemoRandom.h"
#include "records/CourseGeometry.h"

namespace orvane::demo {

// A place on a hole in metres: `along` its line of play from the back tee
// towards the green, `across` the line to the left.
struct HoleSpot {
    double along = 0;
    double across = 0;
};

// A stretch of fairway; its drawing covers every spot with `along` in
// [from, to] and `across` within halfWidth of the line.
struct FairwayBand {
    double from = 0;
    double to = 0;
    double halfWidth = 0;
};

// A green, bunker or pond: its drawing covers the disc of `radius` around
// `centre` and reaches no further than kPatchReach times the radius.
struct Patch {
    HoleSpot centre;
    double radius = 0;
};
inline constexpr double kPatchReach = 1.2;

// A hole as the demo lays it out: a straight line from the tees to the
// green in any heading, with the areas along it. The server's geometry is
// drawn around these places, and rounds played on the hole land on them, so
// a shot shown on the fairway lies inside the fairway's drawing.
struct HoleLayout {
    std::int32_t par = 0;
    // The hole's number on its course, from 1.
    std::int32_t number = 0;
    // From the back tee to the centre of the line's green.
    double length = 0;
    std::vector<HoleSpot> tees;
    std::vector<FairwayBand> fairways;
    // At least one; the line of play ends between them.
    std::vector<Patch> greens;
    std::vector<Patch> bunkers;
    std::vector<Patch> waters;
    // Where the club put it: the middle of the line, which is the hole's
    // reference point in the geometry file, and the line's heading.
    MicroDegrees middle;
    Heading heading;

    // How far the drawing reaches from the line, and along it from the
    // middle, either way.
    double HalfWidth() const;
    double HalfLength() const;
};

// A hole of `par` (3 to 5) with a par-sized line, 2 to 4 tees, one or two
// fairways and greens, up to four bunkers and now and then a pond; not yet
// placed.
HoleLayout LayOutHole(DemoRandom& random, std::int32_t par, std::int32_t number);

MicroDegrees PointOnHole(const HoleLayout& hole, HoleSpot spot);

// A spot well inside the fairway drawing, as near `along` as the fairways
// allow.
HoleSpot FairwaySpot(DemoRandom& random, const HoleLayout& hole, double along);
// A spot within `share` (up to 0.9) of the patch's radius from its centre.
HoleSpot SpotIn(DemoRandom& random, const Patch& patch, double share);

// The hole as the server's geometry file holds it: the outline of the
// whole hole, tees, fairways, greens of 28 points or more, bunkers, ponds,
// and its par, number and a line of text. Every point lies within the
// file's reach of the reference point.
HoleGeometry ShapeHole(DemoRandom& random, const HoleLayout& hole);

}  // namespace orvane::demo
