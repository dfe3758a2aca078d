#include "records/HoleView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace orvane {
namespace {

constexpr double kPi = 3.1415926535;
constexpr std::array<double, 19> kMetresPerLongitude{
    111322, 110902, 109643, 107553, 104650, 100953, 96490, 91290, 85397, 78850,
    71700,  63997,  55803,  47178,  38188,  28904,  19394, 9735,  0};
constexpr std::array<double, 19> kMetresPerLatitude{
    110569, 110578, 110603, 110644, 110701, 110770, 110850, 110941, 111034, 111132,
    111230, 111327, 111415, 111497, 111567, 111625, 111666, 111692, 111700};
constexpr int kDegreesPerStep = 5;
// The tables step in fifths, worked in single precision.
constexpr double kFifth = static_cast<double>(0.2f);

// Room kept free for the caption above the hole and below it.
constexpr int kCaptionRoom = 24;
constexpr int kFootRoom = 12;
// Truncating a coordinate computed to land on an edge may fall a pixel
// outside it; this margin absorbs that.
constexpr double kEdgeMargin = 1;
// Scale when every fit point coincides with the origin.
constexpr double kDefaultScale = 3000;
// Far beyond any screen, well inside int.
constexpr double kPixelLimit = 1e7;

double Interpolate(const std::array<double, 19>& table, int index, int remainder) {
    return table[static_cast<std::size_t>(index)] -
           (table[static_cast<std::size_t>(index)] - table[static_cast<std::size_t>(index) + 1]) *
               kFifth * remainder;
}

int Truncate(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(value, -kPixelLimit, kPixelLimit));
}

}  // namespace

MetresPerDegree MetresPerDegreeAt(double latitude) {
    const double rounded = std::isfinite(latitude) ? std::floor(std::fabs(latitude) + 0.5) : 0;
    const int last = static_cast<int>(kMetresPerLongitude.size()) - 1;
    // At and beyond the pole the last entry holds; there is no next to step to.
    if (rounded >= last * kDegreesPerStep)
        return {kMetresPerLongitude.back(), kMetresPerLatitude.back()};
    const int degrees = static_cast<int>(rounded);
    const int index = degrees / kDegreesPerStep;
    const int remainder = degrees % kDegreesPerStep;
    return {Interpolate(kMetresPerLongitude, index, remainder),
            Interpolate(kMetresPerLatitude, index, remainder)};
}

HoleView::HoleView(const ViewRect& rect, GeoPoint origin, GeoPoint target,
                   std::span<const GeoPoint> fitPoints)
    : rect_(rect), origin_(origin), cosLatitude_(std::cos(target.latitude * kPi / 180)) {
    const double heading = std::atan2(target.latitude - origin.latitude,
                                      (target.longitude - origin.longitude) * cosLatitude_);
    const double turn = kPi / 2 - heading;
    cosTurn_ = std::cos(turn);
    sinTurn_ = std::sin(turn);

    double acrossLow = 0, acrossHigh = 0, alongLow = 0, alongHigh = 0;
    for (const GeoPoint& point : fitPoints) {
        const Turned turned = Turn(point);
        acrossLow = std::min(acrossLow, turned.across);
        acrossHigh = std::max(acrossHigh, turned.across);
        alongLow = std::min(alongLow, turned.along);
        alongHigh = std::max(alongHigh, turned.along);
    }
    const double left = rect.left + kEdgeMargin;
    const double right = rect.right - 1 - kEdgeMargin;
    const double top = rect.top + kCaptionRoom;
    const double bottom = rect.bottom - kFootRoom;
    const double width = std::max(0.0, right - left);
    const double height = std::max(0.0, bottom - top);
    const double acrossExtent = acrossHigh - acrossLow;
    const double alongExtent = alongHigh - alongLow;
    double scale = std::numeric_limits<double>::infinity();
    if (acrossExtent > 0) scale = std::min(scale, width / acrossExtent);
    if (alongExtent > 0) scale = std::min(scale, height / alongExtent);
    scale_ = std::isfinite(scale) ? scale : kDefaultScale;
    originX_ = (left + right) / 2 - (acrossLow + acrossHigh) / 2 * scale_;
    originY_ = (top + bottom) / 2 + (alongLow + alongHigh) / 2 * scale_;
}

HoleView::Turned HoleView::Turn(GeoPoint point) const {
    const double x = (point.longitude - origin_.longitude) * cosLatitude_;
    const double y = point.latitude - origin_.latitude;
    return {x * cosTurn_ - y * sinTurn_, x * sinTurn_ + y * cosTurn_};
}

Pixel HoleView::Project(GeoPoint point) const {
    const Turned turned = Turn(point);
    return {Truncate(originX_ + turned.across * scale_),
            Truncate(originY_ - turned.along * scale_)};
}

Pixel HoleView::ProjectInside(GeoPoint point) const {
    const Pixel pixel = Project(point);
    return {std::clamp(pixel.x, rect_.left, std::max(rect_.left, rect_.right - 1)),
            std::clamp(pixel.y, rect_.top, std::max(rect_.top, rect_.bottom - 1))};
}

}  // namespace orvane
