#include "records/PlayedShots.h"

#include <algorithm>
#include <cmath>

#include "util/Text.h"

namespace orvane {
namespace {

constexpr double kYardsPerMetre = 1.0936;
// The distance formula's scale factors, in single precision as the device's
// own figures are.
constexpr double kTenThousandth = static_cast<double>(0.0001f);
constexpr double kHundredth = static_cast<double>(0.01f);

bool HoledOutOnGreen(const RoundRecord& record, const ShotPoint& last, const HoleGeometry* hole) {
    return record.version > 1 && hole && last.club >= 0 && last.club < hole->greenCount &&
           static_cast<std::size_t>(last.club) < kGreenSlots;
}

double Metres(GeoPoint from, GeoPoint to, const MetresPerDegree& scale) {
    const double north = (to.latitude - from.latitude) * kMicrodegreesPerDegree;
    const double east = (to.longitude - from.longitude) * kMicrodegreesPerDegree;
    const double a = north * kTenThousandth * scale.latitude * kHundredth;
    const double b = east * kTenThousandth * scale.longitude * kHundredth;
    return static_cast<double>(std::sqrt(static_cast<float>(a * a + b * b)));
}

}  // namespace

std::vector<PlayedShot> PlayedShots(const RoundRecord& record, std::int32_t shownHole,
                                    const HoleGeometry* hole) {
    std::vector<PlayedShot> shots;
    if (shownHole < 1 || static_cast<std::size_t>(shownHole) > kRecordHoles) return shots;
    const HoleResult& result = record.holes[static_cast<std::size_t>(shownHole - 1)];
    const std::size_t kept = result.KeptShots();
    for (std::size_t k = 0; k < kept; ++k) {
        const ShotPoint& shot = result.shots[k];
        GeoPoint at{shot.east / kMicrodegreesPerDegree, shot.north / kMicrodegreesPerDegree};
        if (k + 1 == kept && HoledOutOnGreen(record, shot, hole))
            at = hole->greenCentres[static_cast<std::size_t>(shot.club)];
        shots.push_back({at, Stroke{shot.club, 0}});
    }
    if (shots.empty()) return shots;
    shots.back().stroke.reset();

    const MetresPerDegree scale =
        MetresPerDegreeAt(hole ? hole->reference.latitude : shots.front().at.latitude);
    for (std::size_t k = 0; k + 1 < shots.size(); ++k)
        shots[k].stroke->metres = Metres(shots[k].at, shots[k + 1].at, scale);
    return shots;
}

std::int32_t WholeDistance(double metres, DistanceUnit unit) {
    const double distance = unit == DistanceUnit::Yards ? metres * kYardsPerMetre : metres;
    // A record can spell a position "nan" or "inf"; such a shot has no distance to show.
    if (!std::isfinite(distance)) return 0;
    return static_cast<std::int32_t>(std::clamp(distance + 0.5, -1e9, 1e9));
}

std::string DistanceText(double metres, DistanceUnit unit) {
    return Format("%d", WholeDistance(metres, unit));
}

}  // namespace orvane
