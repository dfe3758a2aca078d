#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/CourseGeometry.h"
#include "records/HoleView.h"
#include "records/RoundRecord.h"
#include "records/ScoreCardState.h"

namespace orvane {

// Shot positions come in millionths of a degree and geometry in degrees;
// everything past reading is in degrees.
inline constexpr double kMicrodegreesPerDegree = 1e6;

// A stroke from one shot position to the next: the club and the ground
// distance the ball went.
struct Stroke {
    std::int32_t club = 0;
    double metres = 0;
};

struct PlayedShot {
    GeoPoint at;
    // Nothing at the hole-out: no club is played from the cup (in a version
    // 2 record its club value numbers a green).
    std::optional<Stroke> stroke;
};

// The kept shots of hole `shownHole` (1..18) of `record`. In a record of
// version 2 or later the last shot lies at the centre of the green its club
// value numbers (from 0), when `hole` has that green. Distances use the
// metres per degree at the hole's latitude, or at the first shot's when the
// geometry has no such hole.
std::vector<PlayedShot> PlayedShots(const RoundRecord& record, std::int32_t shownHole,
                                    const HoleGeometry* hole);

// The distance in `unit` as a whole number, rounded half up; 0 for a
// distance that is not finite.
std::int32_t WholeDistance(double metres, DistanceUnit unit);

// "%d" of WholeDistance.
std::string DistanceText(double metres, DistanceUnit unit);

}  // namespace orvane
