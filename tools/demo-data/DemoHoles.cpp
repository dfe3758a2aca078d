#include "DemoHoles.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "util/Text.h"

namespace orvane::demo {
namespace {

// Drawn edges wobble outwards only, by up to this, so that the places they
// stand for stay covered.
constexpr double kFairwayWobble = 3;
constexpr double kOutlineWobble = 4;
// Rough between the outermost area and the hole's outline.
constexpr double kOutlineMargin = 12;
// Shots land at least this far inside a fairway's edges.
constexpr double kSpotMargin = 4;
// Greenside bunkers, in degrees from the line beyond the green: beside it,
// behind or just in front, clear of the fairway's end.
constexpr double kGreensideAngles[] = {60, -60, 105, -105};

double ParLength(DemoRandom& random, std::int32_t par) {
    return par == 3   ? random.Between(120, 190)
           : par == 4 ? random.Between(300, 420)
                      : random.Between(440, 540);
}

HoleSpot Beside(HoleSpot centre, double degrees, double distance) {
    return {centre.along + distance * CosDegrees(degrees),
            centre.across + distance * CosDegrees(90.0 - degrees)};
}

// A stretch along the line, `left` and `right` of it wide.
struct Strip {
    double from = 0;
    double to = 0;
    double left = 0;
    double right = 0;
};

// Where the areas reach: from behind the back tee to beyond the green, and
// to each side of the line.
Strip ReachOf(const HoleLayout& hole) {
    Strip reach{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(), 0, 0};
    const auto cover = [&](double along, double across, double extent) {
        reach.from = std::min(reach.from, along - extent);
        reach.to = std::max(reach.to, along + extent);
        reach.left = std::max(reach.left, across + extent);
        reach.right = std::max(reach.right, extent - across);
    };
    for (const HoleSpot& tee : hole.tees) cover(tee.along, tee.across, 0);
    for (const FairwayBand& band : hole.fairways) {
        cover(band.from, band.halfWidth, kFairwayWobble);
        cover(band.to, -band.halfWidth, kFairwayWobble);
    }
    for (const auto* patches : {&hole.greens, &hole.bunkers, &hole.waters})
        for (const Patch& patch : *patches)
            cover(patch.centre.along, patch.centre.across, kPatchReach * patch.radius);
    return reach;
}

// A strip's drawing: each side wobbling outwards, the ends bulging a little.
std::vector<HoleSpot> Corridor(DemoRandom& random, const Strip& strip, double wobble, int steps) {
    std::vector<HoleSpot> spots;
    const auto at = [&](int step) { return strip.from + (strip.to - strip.from) * step / steps; };
    for (int step = 0; step <= steps; ++step)
        spots.push_back({at(step), strip.left + random.Uniform(0, wobble)});
    spots.push_back({strip.to + random.Uniform(1, wobble), 0});
    for (int step = steps; step >= 0; --step)
        spots.push_back({at(step), -strip.right - random.Uniform(0, wobble)});
    spots.push_back({strip.from - random.Uniform(1, wobble), 0});
    return spots;
}

// A rounded patch a little longer one way than the other. With ten corners or
// more, standing 6 % beyond the radius keeps the edges between them clear of
// the disc.
std::vector<HoleSpot> Ring(DemoRandom& random, const Patch& patch, int count) {
    const double tilt = random.Uniform(0, 180);
    std::vector<HoleSpot> spots;
    for (int k = 0; k < count; ++k) {
        const double degrees = 360.0 * k / count;
        const double stretch =
            0.06 + 0.06 * (1 + CosDegrees(2 * degrees + tilt)) + random.Uniform(0, 0.02);
        spots.push_back(Beside(patch.centre, degrees, patch.radius * (1 + stretch)));
    }
    return spots;
}

void AddBunkers(DemoRandom& random, HoleLayout& hole, int count, int waterSide) {
    std::vector<double> greenside(std::begin(kGreensideAngles), std::end(kGreensideAngles));
    // One fairway bunker a side at most, and none on the pond's.
    std::vector<int> sides;
    for (const int side : {1, -1})
        if (side != waterSide) sides.push_back(side);
    for (int b = 0; b < count; ++b) {
        const double radius = random.Uniform(4, 7);
        if (!sides.empty() && (greenside.empty() || random.Below(2) == 0)) {
            const auto pick =
                sides.begin() + random.Below(static_cast<std::uint32_t>(sides.size()));
            const FairwayBand& band =
                hole.fairways[random.Below(static_cast<std::uint32_t>(hole.fairways.size()))];
            const double across = band.halfWidth + kFairwayWobble + kPatchReach * radius + 2;
            hole.bunkers.push_back(
                {{random.Uniform(band.from + 10, band.to - 10), *pick * across}, radius});
            sides.erase(pick);
        } else if (!greenside.empty()) {
            const auto pick =
                greenside.begin() + random.Below(static_cast<std::uint32_t>(greenside.size()));
            // Of two greens side by side, the one on the bunker's side.
            const Patch& green = hole.greens[hole.greens.size() > 1 && *pick < 0 ? 1u : 0u];
            const double distance = kPatchReach * (green.radius + radius) + 1.5;
            hole.bunkers.push_back({Beside(green.centre, *pick, distance), radius});
            greenside.erase(pick);
        }
    }
}

GeoPoint GeoOf(MicroDegrees point) { return {point.lon / 1e6, point.lat / 1e6}; }

}  // namespace

double HoleLayout::HalfWidth() const {
    const Strip reach = ReachOf(*this);
    return std::max(reach.left, reach.right) + kOutlineMargin + kOutlineWobble;
}

double HoleLayout::HalfLength() const {
    const Strip reach = ReachOf(*this);
    return std::max(length / 2 - reach.from, reach.to - length / 2) + kOutlineMargin +
           kOutlineWobble;
}

HoleLayout LayOutHole(DemoRandom& random, std::int32_t par, std::int32_t number) {
    HoleLayout hole;
    hole.par = par;
    hole.number = number;
    hole.length = ParLength(random, par);
    const int tees = random.Between(2, 4);
    hole.tees.push_back({0, random.Uniform(-2, 2)});
    for (int t = 1; t < tees; ++t)
        hole.tees.push_back({10.0 * t + random.Uniform(-1.5, 1.5), random.Uniform(-2, 2)});

    // About 25 m across; now and then two greens side by side.
    const double radius = random.Uniform(11, 13);
    if (random.Below(4) == 0) {
        const double offset = kPatchReach * radius + 1;
        hole.greens = {{{hole.length, offset}, radius}, {{hole.length, -offset}, radius}};
    } else {
        hole.greens = {{{hole.length, 0}, radius}};
    }

    // The fairway stops short of the green, leaving room for its apron.
    const double end = hole.length - kPatchReach * radius - 4;
    const double start =
        par == 3 ? hole.length * random.Uniform(0.35, 0.5) : random.Between(90, 130);
    const double halfWidth = par == 3 ? random.Uniform(11, 15) : random.Uniform(15, 22);
    if (par > 3 && random.Below(3) == 0) {
        // Rough crosses the hole and splits the fairway in two.
        const double middle = (start + end) / 2 + random.Uniform(-20, 20);
        const double gap = random.Uniform(15, 25);
        hole.fairways = {{start, middle - gap / 2, halfWidth},
                         {middle + gap / 2, end, halfWidth * random.Uniform(0.85, 1.0)}};
    } else {
        hole.fairways = {{start, end, halfWidth}};
    }

    const int waterSide = random.Below(4) != 0 ? 0 : random.Below(2) == 0 ? 1 : -1;
    if (waterSide != 0) {
        const FairwayBand& band = hole.fairways.front();
        const double pond = random.Uniform(12, 20);
        const double across = band.halfWidth + kFairwayWobble + kPatchReach * pond + 6;
        hole.waters.push_back(
            {{random.Uniform(band.from, (band.from + band.to) / 2), waterSide * across}, pond});
    }
    AddBunkers(random, hole, static_cast<int>(random.Below(5)), waterSide);
    return hole;
}

MicroDegrees PointOnHole(const HoleLayout& hole, HoleSpot spot) {
    return Moved(hole.middle, hole.heading, spot.along - hole.length / 2, spot.across);
}

HoleSpot FairwaySpot(DemoRandom& random, const HoleLayout& hole, double along) {
    const FairwayBand* nearest = nullptr;
    double at = 0;
    for (const FairwayBand& band : hole.fairways) {
        const double inside = std::clamp(along, band.from + kSpotMargin, band.to - kSpotMargin);
        if (!nearest || std::abs(inside - along) < std::abs(at - along)) {
            nearest = &band;
            at = inside;
        }
    }
    const double reach = nearest->halfWidth - kSpotMargin;
    return {at, random.Uniform(-reach, reach)};
}

HoleSpot SpotIn(DemoRandom& random, const Patch& patch, double share) {
    // One draw after the other: the order of a call's arguments is the compiler's.
    const double degrees = random.Uniform(0, 360);
    return Beside(patch.centre, degrees, random.Uniform(0, share * patch.radius));
}

HoleGeometry ShapeHole(DemoRandom& random, const HoleLayout& hole) {
    HoleGeometry geometry;
    geometry.par = hole.par;
    geometry.number = hole.number;
    geometry.reference = GeoOf(hole.middle);
    const auto points = [&](const std::vector<HoleSpot>& spots) {
        std::vector<GeoPoint> out;
        for (const HoleSpot& spot : spots) out.push_back(GeoOf(PointOnHole(hole, spot)));
        return out;
    };
    geometry.tees.points = points(hole.tees);

    const Strip reach = ReachOf(hole);
    const Strip whole{reach.from - kOutlineMargin, reach.to + kOutlineMargin,
                      reach.left + kOutlineMargin, reach.right + kOutlineMargin};
    const int steps = std::clamp(static_cast<int>((whole.to - whole.from) / 40), 9, 18);
    geometry.outline.points = points(Corridor(random, whole, kOutlineWobble, steps));

    for (std::size_t i = 0; i < hole.fairways.size(); ++i) {
        const FairwayBand& band = hole.fairways[i];
        const int bandSteps = std::max(2, static_cast<int>((band.to - band.from) / 25));
        geometry.fairways[i] = {
            static_cast<std::int32_t>(i + 1),
            points(Corridor(random, {band.from, band.to, band.halfWidth, band.halfWidth},
                            kFairwayWobble, bandSteps))};
    }
    geometry.fairwayCount = static_cast<std::int32_t>(hole.fairways.size());
    const auto rings = [&](const std::vector<Patch>& patches, auto& slots, std::int32_t& count,
                           int fewest, int most) {
        for (std::size_t i = 0; i < patches.size(); ++i)
            slots[i] = {static_cast<std::int32_t>(i + 1),
                        points(Ring(random, patches[i], random.Between(fewest, most)))};
        count = static_cast<std::int32_t>(patches.size());
    };
    rings(hole.greens, geometry.greens, geometry.greenCount, 28, 32);
    rings(hole.bunkers, geometry.bunkers, geometry.bunkerCount, 10, 14);
    rings(hole.waters, geometry.waters, geometry.waterCount, 14, 20);

    geometry.text = Format("Par %d, %d m", hole.par, static_cast<int>(hole.length));
    if (!hole.waters.empty()) geometry.text += ", water";
    if (!hole.bunkers.empty())
        geometry.text +=
            Format(", %zu bunker%s", hole.bunkers.size(), hole.bunkers.size() > 1 ? "s" : "");
    return geometry;
}

}  // namespace orvane::demo
