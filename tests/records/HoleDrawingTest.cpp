#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "records/HoleDrawing.h"

namespace orvane {
namespace {

constexpr ViewRect kView{10, 18, 330, 410};
constexpr GeoPoint kTee{127.0, 37.5};

// A point `north` and `east` metres from the tee.
GeoPoint Offset(double north, double east) {
    const MetresPerDegree scale = MetresPerDegreeAt(kTee.latitude);
    return {kTee.longitude + east / scale.longitude, kTee.latitude + north / scale.latitude};
}

GeoPoint Turned(double along, double across, double heading) {
    return Offset(along * std::cos(heading) - across * std::sin(heading),
                  along * std::sin(heading) + across * std::cos(heading));
}

// A 400 m hole towards `heading` (radians from north, clockwise), its
// outline `halfWidth` metres each side of the line.
HoleGeometry Hole(double heading, double halfWidth = 40) {
    HoleGeometry hole;
    hole.reference = kTee;
    hole.tees.points = {kTee, Turned(-8, 3, heading)};
    hole.outline.points = {Turned(-30, -halfWidth, heading), Turned(430, -halfWidth, heading),
                           Turned(430, halfWidth, heading), Turned(-30, halfWidth, heading)};
    hole.greens[0].points = {Turned(390, -10, heading), Turned(410, 0, heading),
                             Turned(390, 10, heading)};
    hole.greenCount = 1;
    hole.greenCentres[0] = Turned(400, 0, heading);
    return hole;
}

bool Inside(Pixel pixel) {
    return pixel.x >= kView.left && pixel.x < kView.right && pixel.y >= kView.top &&
           pixel.y < kView.bottom;
}

TEST(MetresPerDegree, InterpolatesByWholeDegreesUpToThePole) {
    // 37.4 rounds to 37: two fifths of the way from 35 to 40 degrees.
    EXPECT_DOUBLE_EQ(MetresPerDegreeAt(-37.4).longitude,
                     91290 - (91290 - 85397) * static_cast<double>(0.2f) * 2);
    // From 87.5 degrees on the last entry holds; there is none after it.
    EXPECT_DOUBLE_EQ(MetresPerDegreeAt(89.7).latitude, 111700);
    EXPECT_DOUBLE_EQ(MetresPerDegreeAt(91).longitude, 0);
}

TEST(HoleView, EveryHeadingFitsTheOutlineWithTheGreenUp) {
    for (int degrees = 0; degrees < 360; degrees += 15) {
        SCOPED_TRACE(degrees);
        const double heading = degrees * M_PI / 180;
        // A hole longer than wide fills the view's height, a wider one its width.
        for (const double halfWidth : {40.0, 600.0}) {
            const bool tall = halfWidth < 100;
            const HoleGeometry hole = Hole(heading, halfWidth);
            const HoleView view(kView, kTee, hole.greenCentres[0], hole.outline.points);
            int low = INT_MAX, high = INT_MIN;
            for (const GeoPoint& point : hole.outline.points) {
                const Pixel pixel = view.Project(point);
                EXPECT_TRUE(Inside(pixel)) << pixel.x << "," << pixel.y;
                low = std::min(low, tall ? pixel.y : pixel.x);
                high = std::max(high, tall ? pixel.y : pixel.x);
            }
            EXPECT_GT(high - low,
                      (tall ? kView.bottom - kView.top : kView.right - kView.left) * 3 / 4);
            const Pixel tee = view.Project(kTee);
            const Pixel green = view.Project(hole.greenCentres[0]);
            EXPECT_NEAR(tee.x, green.x, 2);
            EXPECT_LT(green.y, tee.y);
            // Facing along the hole, its left-hand side is drawn on the left.
            EXPECT_LT(view.Project(Turned(200, -30, heading)).x, tee.x);
        }
    }
}

RoundRecord PlayedRecord(std::int32_t version, std::int32_t shotCount) {
    RoundRecord record;
    record.version = version;
    record.holeCount = 9;
    HoleResult& hole = record.holes[0];
    hole.par = 4;
    hole.shotCount = shotCount;
    for (std::size_t k = 0; k < hole.KeptShots(); ++k) {
        const GeoPoint at = Offset(100.0 * static_cast<double>(k), 0);
        hole.shots[k] = {at.longitude * 1e6, at.latitude * 1e6, static_cast<std::int32_t>(k + 1)};
    }
    return record;
}

TEST(PlayedShots, DistancesInMetresAndYardsAndTheHoleOutGreen) {
    const HoleGeometry hole = Hole(0);
    const std::vector<PlayedShot> shots = PlayedShots(PlayedRecord(1, 3), 1, &hole);
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_EQ(DistanceText(shots[0].stroke->metres, DistanceUnit::Metres), "100");
    EXPECT_EQ(DistanceText(shots[1].stroke->metres, DistanceUnit::Yards), "109");
    EXPECT_FALSE(shots[2].stroke);

    // Version 2: the last shot's club numbers the green it was holed on.
    RoundRecord second = PlayedRecord(2, 3);
    second.holes[0].shots[2].club = 0;
    const std::vector<PlayedShot> holed = PlayedShots(second, 1, &hole);
    EXPECT_EQ(holed[2].at, hole.greenCentres[0]);
    EXPECT_EQ(DistanceText(holed[1].stroke->metres, DistanceUnit::Metres), "300");
    // A green the hole does not have leaves the shot where the record put it.
    second.holes[0].shots[2].club = 3;
    EXPECT_EQ(PlayedShots(second, 1, &hole)[2].at, shots[2].at);

    // Positions the record spelled as "nan" still give a distance text.
    RoundRecord broken = PlayedRecord(1, 2);
    broken.holes[0].shots[1].north = std::nan("");
    EXPECT_EQ(DistanceText(PlayedShots(broken, 1, nullptr)[0].stroke->metres, DistanceUnit::Metres),
              "0");
}

TEST(HoleDrawing, ShotMarkersRowsAndMissingGeometry) {
    CourseGeometry geometry;
    geometry.loaded = geometry.holesPerCourse = geometry.courseCount = geometry.holeTotal = 1;
    geometry.holes = {HoleGeometry{}, Hole(M_PI / 3)};
    const HoleDrawing eleven = DrawHole(geometry, PlayedRecord(1, 11), 1, kView);
    EXPECT_EQ(eleven.caption, "Hole 1");
    ASSERT_EQ(eleven.shots.size(), 11u);
    EXPECT_EQ(eleven.shots[8].number, '9');
    EXPECT_EQ(eleven.shots[9].number, '1');
    ASSERT_EQ(eleven.rows.size(), kShotRows);
    EXPECT_EQ(eleven.rows[4].club, 5);
    ASSERT_FALSE(eleven.areas.empty());
    for (const DrawnArea& area : eleven.areas)
        for (const Pixel& pixel : area.points) EXPECT_TRUE(Inside(pixel));

    geometry.loaded = 0;
    const HoleDrawing missing = DrawHole(geometry, PlayedRecord(1, 3), 1, kView);
    EXPECT_TRUE(missing.mapMissing);
    EXPECT_TRUE(missing.shots.empty());
}

}  // namespace
}  // namespace orvane
