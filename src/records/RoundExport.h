#pragma once

#include <string>

#include "records/CourseGeometry.h"
#include "records/RoundRecord.h"
#include "records/ScoreCardState.h"
#include "shell/Language.h"

namespace orvane {

// A round's shots in formats other tools read. Positions are degrees (WGS84
// as the device records them); a version 2 hole-out lies on its green's
// centre when `geometry` holds the hole, as on the score card.

// "hole,shot,club,east,north,distance": one line per kept shot; distance to
// the next shot in `unit`, empty for a hole's last shot.
std::string RoundCsv(const RoundRecord& record, const CourseGeometry& geometry, DistanceUnit unit);

// "<club> <date>": the name an exported round goes by, the club as the
// record lists show it.
std::string RoundTitle(const RecordEntry& entry, Language language);

// GPX 1.1: a waypoint per shot and a track per hole, named after `title`.
std::string RoundGpx(const RoundRecord& record, const CourseGeometry& geometry,
                     const std::string& title);

}  // namespace orvane
