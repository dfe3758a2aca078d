#include "records/HoleDrawing.h"

#include <algorithm>

#include "util/Text.h"

namespace orvane {
namespace {

GeoPoint Midpoint(GeoPoint a, GeoPoint b) {
    return {(a.longitude + b.longitude) / 2, (a.latitude + b.latitude) / 2};
}

std::optional<GeoPoint> TeeOf(const HoleGeometry& hole) {
    if (!hole.tees.points.empty()) return hole.tees.points.front();
    if (hole.outline.points.size() >= 2)
        return Midpoint(hole.outline.points[0], hole.outline.points[1]);
    return std::nullopt;
}

std::optional<GeoPoint> GreenOf(const HoleGeometry& hole) {
    if (hole.greenCount <= 0) return std::nullopt;
    if (hole.greenCount == 1) return hole.greenCentres[0];
    return Midpoint(hole.greenCentres[0], hole.greenCentres[1]);
}

std::vector<GeoPoint> Positions(const std::vector<PlayedShot>& shots) {
    std::vector<GeoPoint> positions;
    for (const PlayedShot& shot : shots) positions.push_back(shot.at);
    return positions;
}

HoleView ViewOverShots(const ViewRect& rect, const std::vector<PlayedShot>& shots) {
    const std::vector<GeoPoint> positions = Positions(shots);
    if (positions.empty()) return HoleView(rect, {}, {}, {});
    return HoleView(rect, positions.front(), positions.back(), positions);
}

void AddArea(HoleDrawing& drawing, const HoleView& view, AreaKind kind, const GeometryItem* item) {
    if (!item || item->points.empty()) return;
    DrawnArea area{kind, {}};
    const std::size_t count = std::min(item->points.size(), kMaxDrawnPoints);
    for (std::size_t i = 0; i < count; ++i)
        area.points.push_back(view.ProjectInside(item->points[i]));
    drawing.areas.push_back(std::move(area));
}

void AddAreas(HoleDrawing& drawing, const HoleView& view, const HoleGeometry& hole) {
    AddArea(drawing, view, AreaKind::Outline, &hole.outline);
    for (std::int32_t i = 1; i <= hole.fairwayCount; ++i)
        AddArea(drawing, view, AreaKind::Fairway, hole.Fairway(i));
    for (std::int32_t i = 1; i <= hole.bunkerCount; ++i)
        AddArea(drawing, view, AreaKind::Bunker, hole.Bunker(i));
    for (std::int32_t i = 1; i <= hole.waterCount; ++i)
        AddArea(drawing, view, AreaKind::Water, hole.Water(i));
    for (std::int32_t i = 1; i <= hole.greenCount; ++i)
        AddArea(drawing, view, AreaKind::Green, hole.Green(i));
    for (const GeoPoint& tee : hole.tees.points) drawing.tees.push_back(view.Project(tee));
}

}  // namespace

Rgb AreaColour(AreaKind kind) {
    switch (kind) {
        case AreaKind::Outline:
            return {48, 124, 56};
        case AreaKind::Fairway:
            return {80, 164, 64};
        case AreaKind::Bunker:
            return {204, 204, 144};
        case AreaKind::Water:
            return {0, 0, 255};
        case AreaKind::Green:
            return {136, 228, 80};
    }
    return {};
}

CourseHole CourseHoleOf(const CourseGeometry& geometry, const RoundRecord& record,
                        std::int32_t shownHole) {
    if (shownHole <= kHolesPerHalf) return {record.frontCourseIndex, shownHole};
    const bool nineHoleCourses = geometry.holesPerCourse == kHolesPerHalf;
    return {record.backCourseIndex, nineHoleCourses ? shownHole - kHolesPerHalf : shownHole};
}

const HoleGeometry* HoleOfCard(const CourseGeometry& geometry, const RoundRecord& record,
                               std::int32_t shownHole) {
    if (!geometry.loaded) return nullptr;
    const CourseHole courseHole = CourseHoleOf(geometry, record, shownHole);
    return geometry.CourseHole(courseHole.courseIndex, courseHole.holeNumber);
}

std::vector<PlayedShot> CardHoleShots(const CourseGeometry& geometry, const RoundRecord& record,
                                      std::int32_t shownHole) {
    return PlayedShots(record, shownHole, HoleOfCard(geometry, record, shownHole));
}

HoleSetup setupHoleView(CourseGeometry& geometry, CourseHole courseHole, const ViewRect& rect,
                        const std::vector<PlayedShot>& shots) {
    geometry.currentHole = courseHole.holeNumber + geometry.holesPerCourse * courseHole.courseIndex;
    const HoleGeometry* hole = geometry.CourseHole(courseHole.courseIndex, courseHole.holeNumber);
    const std::optional<GeoPoint> tee = hole ? TeeOf(*hole) : std::nullopt;
    const std::optional<GeoPoint> green = hole ? GreenOf(*hole) : std::nullopt;
    if (!tee || !green) return {hole, ViewOverShots(rect, shots)};
    const std::vector<GeoPoint>& outline = hole->outline.points;
    return {hole, HoleView(rect, *tee, *green, outline.empty() ? Positions(shots) : outline)};
}

HoleDrawing DrawHole(CourseGeometry& geometry, const RoundRecord& record, std::int32_t shownHole,
                     const ViewRect& rect) {
    HoleDrawing drawing;
    drawing.caption = Format("Hole %d", shownHole);
    if (!geometry.loaded) {
        drawing.mapMissing = true;
        return drawing;
    }
    const std::vector<PlayedShot> shots = CardHoleShots(geometry, record, shownHole);
    const HoleSetup setup =
        setupHoleView(geometry, CourseHoleOf(geometry, record, shownHole), rect, shots);
    if (setup.hole) AddAreas(drawing, setup.view, *setup.hole);

    for (std::size_t k = 0; k < shots.size(); ++k) {
        drawing.shots.push_back({setup.view.Project(shots[k].at), std::to_string(k + 1).front()});
        if (shots[k].stroke && drawing.rows.size() < kShotRows)
            drawing.rows.push_back(*shots[k].stroke);
    }
    return drawing;
}

}  // namespace orvane
