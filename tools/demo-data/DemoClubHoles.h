#pragma once

#include <cstdint>
#include <vector>

#include "DemoGeometry.h"
#include "DemoHoles.h"
#include "DemoRandom.h"
#include "catalogue/CourseNode.h"
#include "records/CourseGeometry.h"

namespace orvane::demo {

// A club's holes: the geometry its server files hold and the layouts it was
// drawn from, which the rounds played there follow.
struct ClubHoles {
    CourseGeometry geometry;
    // Entry i is hole i + 1 of the geometry.
    std::vector<HoleLayout> layouts;

    // Hole `number` (from 1) of course `courseIndex` (from 0).
    const HoleLayout& Layout(std::int32_t courseIndex, std::int32_t number) const;
};

// One course of 18 holes or two or three of nine lettered from "A", each
// nine a par 35 or 36 of a real club. The holes lie side by side in rows
// around `centre`, played out and back along one heading.
ClubHoles LayOutClub(DemoRandom& random, MicroDegrees centre);

// The club's holes around its reference point, drawn from `seed` and the
// club's name: a club gets the same holes whichever device plays it first.
ClubHoles LayOutClub(std::uint32_t seed, const CourseNode& club);

}  // namespace orvane::demo
