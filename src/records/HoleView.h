#pragma once

#include <span>

#include "records/CourseGeometry.h"

namespace orvane {

// Pixels; right and bottom lie just outside the rectangle.
struct ViewRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Pixel {
    int x = 0;
    int y = 0;
    bool operator==(const Pixel&) const = default;
};

// Metres per degree of longitude and latitude; the defaults serve until a
// hole's latitude is known.
struct MetresPerDegree {
    double longitude = 109643;
    double latitude = 110603;
};

// From the survey tables in 5-degree steps, interpolated by whole degrees.
MetresPerDegree MetresPerDegreeAt(double latitude);

// Draws a hole upright: the line from `origin` (the tee) to `target` (the
// green) points up the view, east-west distances are shrunk by the cosine of
// the target's latitude, and the scale and centre are chosen so that every
// fit point lands inside the rectangle whatever the hole's direction.
class HoleView {
public:
    HoleView(const ViewRect& rect, GeoPoint origin, GeoPoint target,
             std::span<const GeoPoint> fitPoints);

    Pixel Project(GeoPoint point) const;
    // Project, then clamped into the rectangle, as polygons are drawn.
    Pixel ProjectInside(GeoPoint point) const;

private:
    // Degrees across the hole (right positive) and along it (up positive).
    struct Turned {
        double across = 0;
        double along = 0;
    };
    Turned Turn(GeoPoint point) const;

    ViewRect rect_;
    GeoPoint origin_;
    double cosLatitude_ = 1;
    double cosTurn_ = 1;
    double sinTurn_ = 0;
    // Pixels per degree, and where the origin lands.
    double scale_ = 0;
    double originX_ = 0;
    double originY_ = 0;
};

}  // namespace orvane
