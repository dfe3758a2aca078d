#include "DemoClubHoles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace orvane::demo {
namespace {

constexpr std::array<std::array<std::int32_t, 9>, 5> kNines{{
    {4, 5, 4, 3, 4, 4, 3, 5, 4},
    {4, 4, 3, 5, 4, 4, 3, 4, 5},
    {5, 4, 3, 4, 4, 5, 3, 4, 4},
    {4, 3, 4, 5, 4, 3, 4, 4, 5},
    {4, 4, 3, 4, 5, 4, 4, 3, 4},
}};
constexpr const char* kCourseNames[] = {"East",   "West", "South",  "North", "Lake",
                                        "Valley", "Hill", "Forest", "Ocean", "Pine"};
constexpr std::size_t kHolesPerRow = 6;
constexpr double kRowGap = 30;

// The same name gives the same number on every machine.
std::uint32_t NameHash(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// Rows of holes side by side, neighbours played in opposite directions, the
// whole block centred on `centre`.
void Place(DemoRandom& random, std::vector<HoleLayout>& holes, MicroDegrees centre) {
    const double heading = random.Between(0, 359);
    std::vector<HoleSpot> spots;
    double rowAlong = 0;
    double previousDepth = 0;
    for (std::size_t first = 0; first < holes.size(); first += kHolesPerRow) {
        const std::size_t end = std::min(first + kHolesPerRow, holes.size());
        double depth = 0;
        for (std::size_t i = first; i < end; ++i) depth = std::max(depth, holes[i].HalfLength());
        if (first > 0) rowAlong += previousDepth + depth + kRowGap;
        previousDepth = depth;
        double across = 0;
        for (std::size_t i = first; i < end; ++i) {
            if (i > first)
                across -= holes[i - 1].HalfWidth() + holes[i].HalfWidth() + random.Uniform(5, 25);
            spots.push_back({rowAlong, across});
        }
    }
    const auto [right, left] = std::ranges::minmax(spots, {}, &HoleSpot::across);
    const double alongMiddle = rowAlong / 2;
    const double acrossMiddle = (right.across + left.across) / 2;
    for (std::size_t i = 0; i < holes.size(); ++i) {
        holes[i].middle = Moved(centre, HeadingOf(heading), spots[i].along - alongMiddle,
                                spots[i].across - acrossMiddle);
        holes[i].heading = HeadingOf(heading + (i % 2 == 0 ? 0 : 180));
    }
}

}  // namespace

const HoleLayout& ClubHoles::Layout(std::int32_t courseIndex, std::int32_t number) const {
    return layouts.at(static_cast<std::size_t>(number - 1 + geometry.holesPerCourse * courseIndex));
}

ClubHoles LayOutClub(DemoRandom& random, MicroDegrees centre) {
    ClubHoles club;
    CourseGeometry& geometry = club.geometry;
    const std::uint32_t roll = random.Below(100);
    geometry.courseCount = roll < 40 ? 1 : roll < 75 ? 2 : 3;
    geometry.holesPerCourse = geometry.courseCount == 1 ? 18 : 9;
    geometry.holeTotal = geometry.holesPerCourse * geometry.courseCount;
    geometry.thirdValue = 1;

    std::vector<std::string> names(std::begin(kCourseNames), std::end(kCourseNames));
    for (std::size_t c = 0; c < static_cast<std::size_t>(geometry.courseCount); ++c) {
        const auto name = names.begin() + random.Below(static_cast<std::uint32_t>(names.size()));
        geometry.courseNames[c] = *name;
        names.erase(name);
        geometry.courseLetters[c] = static_cast<char>('A' + c);
        // Each nine of the course is a layout of its own.
        std::size_t nine = 0;
        for (std::int32_t number = 1; number <= geometry.holesPerCourse; ++number) {
            if (number % 9 == 1) nine = random.Below(static_cast<std::uint32_t>(kNines.size()));
            const std::int32_t par = kNines[nine][static_cast<std::size_t>((number - 1) % 9)];
            club.layouts.push_back(LayOutHole(random, par, number));
        }
    }
    Place(random, club.layouts, centre);
    geometry.holes.resize(1);
    for (const HoleLayout& layout : club.layouts)
        geometry.holes.push_back(ShapeHole(random, layout));
    return club;
}

ClubHoles LayOutClub(std::uint32_t seed, const CourseNode& club) {
    DemoRandom random(seed ^ NameHash(club.name));
    ClubHoles holes = LayOutClub(random, {static_cast<std::int32_t>(std::lround(club.lat * 1e6)),
                                          static_cast<std::int32_t>(std::lround(club.lon * 1e6))});
    holes.geometry.firstWord = club.name;
    holes.geometry.secondWord = "Course";
    return holes;
}

}  // namespace orvane::demo
