#include <gtest/gtest.h>

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
    hole.par = 4;
    hole.reference = kTee;
    hole.tees.points = {kTee, Turned(-8, 3, heading)};
    for (int i = 0; i < 12; ++i) {
        const double t = i / 11.0;
        hole.outline.points.push_back(Turned(-30 + 460 * t, -halfWidth, heading));
    }
    for (int i = 0; i < 12; ++i) {
        const double t = i / 11.0;
        hole.outline.points.push_back(Turned(430 - 460 * t, halfWidth, heading));
    }
    hole.greens[0].points = {Turned(390, -10, heading), Turned(410, 0, heading),
                             Turned(390, 10, heading)};
    hole.greenCount = 1;
    hole.greenCentres[0] = Turned(400, 0, heading);
    return hole;
}

CourseGeometry OneHoleCourse(const HoleGeometry& hole) {
    CourseGeometry geometry;
    geometry.loaded = 1;
    geometry.holesPerCourse = 1;
    geometry.courseCount = 1;
    geometry.holeTotal = 1;
    geometry.holes = {HoleGeometry{}, hole};
    return geometry;
}

bool Inside(Pixel pixel) {
    return pixel.x >= kView.left && pixel.x < kView.right && pixel.y >= kView.top &&
           pixel.y < kView.bottom;
}

TEST(MetresPerDegree, InterpolatesTheSurveyTableUpToThePole) {
    EXPECT_DOUBLE_EQ(MetresPerDegreeAt(0.3).longitude, 111322);
    // 37.4 rounds to 37: two fifths of the way from 35 to 40 degrees.
    const MetresPerDegree seoul = MetresPerDegreeAt(-37.4);
    EXPECT_DOUBLE_EQ(seoul.longitude, 91290 - (91290 - 85397) * static_cast<double>(0.2f) * 2);
    EXPECT_DOUBLE_EQ(seoul.latitude, 110941 - (110941 - 111034) * static_cast<double>(0.2f) * 2);
    EXPECT_DOUBLE_EQ(MetresPerDegreeAt(89.7).latitude, 111700);
    EXPECT_DOUBLE_EQ(MetresPerDegreeAt(91).longitude, 0);
}

TEST(HoleView, EveryHeadingFitsTheOutlineWithTheGreenUp) {
    for (int degrees = 0; degrees < 360; degrees += 15) {
        SCOPED_TRACE(degrees);
        CourseGeometry geometry = OneHoleCourse(Hole(degrees * M_PI / 180));
        const HoleDrawing drawing = DrawHole(geometry, RoundRecord{}, 1, kView);
        ASSERT_FALSE(drawing.areas.empty());
        const HoleView view(kView, kTee, geometry.holes[1].greenCentres[0],
                            geometry.holes[1].outline.points);
        int widest = 0, tallest = 0;
        for (const GeoPoint& point : geometry.holes[1].outline.points) {
            const Pixel pixel = view.Project(point);
            EXPECT_TRUE(Inside(pixel)) << pixel.x << "," << pixel.y;
            widest = std::max(widest, std::abs(pixel.x - view.Project(kTee).x));
            tallest = std::max(tallest, std::abs(pixel.y - view.Project(kTee).y));
        }
        // Tall, thin and filling the view's height.
        EXPECT_GT(tallest, 3 * widest);
        EXPECT_GT(tallest, (kView.bottom - kView.top) * 3 / 4);
        // A hole wider than long fills the view's width instead.
        const HoleGeometry wide = Hole(degrees * M_PI / 180, 600);
        const HoleView wideView(kView, kTee, wide.greenCentres[0], wide.outline.points);
        int left = kView.right, right = kView.left;
        for (const GeoPoint& point : wide.outline.points) {
            const Pixel pixel = wideView.Project(point);
            EXPECT_TRUE(Inside(pixel)) << pixel.x << "," << pixel.y;
            left = std::min(left, pixel.x);
            right = std::max(right, pixel.x);
        }
        EXPECT_GT(right - left, (kView.right - kView.left) * 9 / 10);
        const Pixel tee = view.Project(kTee);
        const Pixel green = view.Project(geometry.holes[1].greenCentres[0]);
        EXPECT_NEAR(tee.x, green.x, 2);
        EXPECT_LT(green.y, tee.y);
        // Facing along the hole, its left-hand side is drawn on the left.
        const Pixel leftSide = view.Project(Turned(200, -30, degrees * M_PI / 180));
        EXPECT_LT(leftSide.x, tee.x);
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
    EXPECT_EQ(DistanceText(*shots[0].metresToNext, DistanceUnit::Metres), "100");
    EXPECT_EQ(DistanceText(*shots[1].metresToNext, DistanceUnit::Yards), "109");
    EXPECT_FALSE(shots[2].metresToNext);

    // Version 2: the last shot's club numbers the green it was holed on.
    RoundRecord second = PlayedRecord(2, 3);
    second.holes[0].shots[2].club = 0;
    const std::vector<PlayedShot> holed = PlayedShots(second, 1, &hole);
    EXPECT_EQ(holed[2].at, hole.greenCentres[0]);
    EXPECT_EQ(DistanceText(*holed[1].metresToNext, DistanceUnit::Metres), "300");
    // A green the hole does not have leaves the shot where the record put it.
    second.holes[0].shots[2].club = 3;
    EXPECT_EQ(PlayedShots(second, 1, &hole)[2].at, shots[2].at);

    // Positions the record spelled as "nan" still give a distance text.
    RoundRecord broken = PlayedRecord(1, 2);
    broken.holes[0].shots[1].north = std::nan("");
    EXPECT_EQ(DistanceText(*PlayedShots(broken, 1, nullptr)[0].metresToNext, DistanceUnit::Metres),
              "0");
}

TEST(HoleDrawing, ShotMarkersRowsAndMissingGeometry) {
    CourseGeometry geometry = OneHoleCourse(Hole(M_PI / 3));
    const HoleDrawing one = DrawHole(geometry, PlayedRecord(1, 1), 1, kView);
    EXPECT_EQ(one.caption, "Hole 1");
    EXPECT_EQ(one.shots.size(), 1u);
    EXPECT_TRUE(one.rows.empty());

    const HoleDrawing eleven = DrawHole(geometry, PlayedRecord(1, 11), 1, kView);
    ASSERT_EQ(eleven.shots.size(), 11u);
    EXPECT_EQ(eleven.shots[8].number, '9');
    EXPECT_EQ(eleven.shots[9].number, '1');
    ASSERT_EQ(eleven.rows.size(), kShotRows);
    EXPECT_EQ(eleven.rows[4].club, 5);
    for (const DrawnArea& area : eleven.areas)
        for (const Pixel& pixel : area.points) EXPECT_TRUE(Inside(pixel));

    // Hole 2 of a one-hole file: only its shots, laid out over themselves.
    RoundRecord record = PlayedRecord(1, 3);
    record.holes[1] = record.holes[0];
    const HoleDrawing beyond = DrawHole(geometry, record, 2, kView);
    EXPECT_TRUE(beyond.areas.empty());
    ASSERT_EQ(beyond.shots.size(), 3u);
    for (const DrawnShot& shot : beyond.shots) EXPECT_TRUE(Inside(shot.at));
    EXPECT_EQ(beyond.rows.size(), 2u);

    geometry.loaded = 0;
    const HoleDrawing missing = DrawHole(geometry, record, 1, kView);
    EXPECT_TRUE(missing.mapMissing);
    EXPECT_TRUE(missing.shots.empty());
}

}  // namespace
}  // namespace orvane
