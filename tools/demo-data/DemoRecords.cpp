#include "DemoRecords.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>

#include "DemoFiles.h"
#include "DemoHoles.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane::demo {
namespace {

constexpr int kDriver = 1;
constexpr int kThreeWood = 2;
constexpr int kPitchingWedge = 14;
constexpr int kPutter = 19;
// Where the ball stops on the green and where the cup is, as shares of the
// green's radius from its centre.
constexpr double kOnGreen = 0.5;
constexpr double kCup = 0.15;

struct Clock {
    int year, month, day, hour, minute;
};

int DayOfWeek(const Clock& clock) {
    using namespace std::chrono;
    const year_month_day date{year(clock.year), month(static_cast<unsigned>(clock.month)),
                              day(static_cast<unsigned>(clock.day))};
    return static_cast<int>(weekday(sys_days(date)).c_encoding());
}

std::string Stamp(const Clock& clock, int second) {
    return Format("%d %d %d %d %d %d %d", clock.year, clock.month, DayOfWeek(clock), clock.day,
                  clock.hour, clock.minute, second);
}

void Advance(Clock& clock, int minutes) {
    clock.minute += minutes;
    clock.hour += clock.minute / 60;
    clock.minute %= 60;
}

// The club for a full shot that went `metres`: the driver off the tee of a
// par 4 or 5, else woods, irons or, for short shots, wedges.
int ClubFor(DemoRandom& random, bool teeShot, int par, double metres) {
    if (teeShot && par > 3) return random.Below(4) == 0 ? kThreeWood : kDriver;
    if (metres > 200) return random.Between(2, 4);
    if (metres > 170) return random.Between(5, 7);
    if (metres > 130) return random.Between(8, 10);
    if (metres > 100) return random.Between(11, 13);
    return random.Between(kPitchingWedge, kPitchingWedge + 4);
}

double Distance(HoleSpot from, HoleSpot to) {
    const double along = to.along - from.along;
    const double across = to.across - from.across;
    return std::sqrt(along * along + across * across);
}

// A hole's line: the tee, where each full shot came to rest (the fairway,
// and the green for the last), then the hole-out, each with the club played
// from there.
std::string PlayHole(DemoRandom& random, const std::string& label, const HoleLayout& hole,
                     int version) {
    const int par = hole.par;
    const int form = random.Between(-1, 3);
    const int score = std::clamp(form - (random.Below(6) == 0 ? 1 : 0), -2, 4);
    const int strokes = par + score;
    const std::uint32_t roll = random.Below(100);
    // No one reaches the green of a par 4 or 5 from the tee; an eagle there
    // holes its approach, as a hole in one holes its tee shot.
    const int fewestFullShots = par == 3 ? 1 : 2;
    const int putts = std::min(strokes - fewestFullShots, roll < 25 ? 1 : roll < 88 ? 2 : 3);
    const int fullShots = strokes - putts;
    const int flagsLow = static_cast<int>(random.Below(3));
    const int flags = flagsLow | (static_cast<int>(random.Below(2)) << 4);

    const std::size_t greenIndex = random.Below(static_cast<std::uint32_t>(hole.greens.size()));
    const Patch& green = hole.greens[greenIndex];
    const HoleSpot tee = hole.tees[random.Below(static_cast<std::uint32_t>(hole.tees.size()))];
    const HoleSpot cup = SpotIn(random, green, kCup);

    std::string text =
        Format("%s %d %d %d %d", label.c_str(), par | (putts << 4), flags, score, fullShots + 2);
    const auto add = [&](HoleSpot spot, int club) {
        const MicroDegrees at = PointOnHole(hole, spot);
        text += Format(" %d %d %d", at.lon, at.lat, club);
    };
    // A drive off the tee of a par 4 or 5; every later shot (and a par 3's
    // tee shot that misses) covers most of what is left, the last one
    // reaches the green.
    const double toGreen = green.centre.along - tee.along;
    HoleSpot at = tee;
    double along = 0;
    for (int shot = 1; shot <= fullShots; ++shot) {
        along = shot == fullShots      ? toGreen
                : shot == 1 && par > 3 ? std::min(random.Uniform(180, 240), toGreen - 60)
                                       : along + (toGreen - along) * random.Uniform(0.6, 0.85);
        const HoleSpot rest =
            shot < fullShots ? FairwaySpot(random, hole, tee.along + along + random.Uniform(-8, 8))
            : putts > 0      ? SpotIn(random, green, kOnGreen)
                             : cup;
        add(at, ClubFor(random, shot == 1, par, Distance(at, rest)));
        at = rest;
    }
    add(at, kPutter);
    // A version 2 record names the green whose centre is the hole-out point.
    add(cup, version > 1 ? static_cast<int>(greenIndex) : kPutter);
    // The device closes the line with counters of its own.
    text += Format(" %d %d", random.Between(0, 2), 0);
    return text;
}

struct PlayedHole {
    std::string label;
    const HoleLayout* layout;
};

// The holes of a round, labelled as the device labels them: an 18-hole
// course by its own numbers, else a nine of one course and, for 18 holes, a
// nine of another.
std::vector<PlayedHole> RoundHoles(DemoRandom& random, const ClubHoles& club, bool eighteen) {
    const CourseGeometry& geometry = club.geometry;
    std::vector<PlayedHole> holes;
    const auto play = [&](std::uint32_t course, std::int32_t last) {
        for (std::int32_t number = 1; number <= last; ++number)
            holes.push_back({geometry.courseLetters[course] + std::to_string(number),
                             &club.Layout(static_cast<std::int32_t>(course), number)});
    };
    if (geometry.holesPerCourse > 9) {
        play(0, eighteen ? 18 : 9);
        return holes;
    }
    const auto courses = static_cast<std::uint32_t>(geometry.courseCount);
    const std::uint32_t front = random.Below(courses);
    play(front, 9);
    if (eighteen) play((front + 1 + random.Below(courses - 1)) % courses, 9);
    return holes;
}

std::string RoundText(DemoRandom& random, const std::string& club,
                      const std::vector<PlayedHole>& holes, const Clock& start, int version) {
    Clock clock = start;
    std::string text = Format("%d %.1f\r\n%d %d %d\r\n%s %s\r\n", version, 1.0, 1,
                              random.Between(0, 3), 0, club.c_str(), "Player");
    text += Stamp(clock, 0) + "\r\n" + Stamp(clock, 0) + "\r\n";
    for (const PlayedHole& hole : holes) {
        text += PlayHole(random, hole.label, *hole.layout, version) + "\r\n";
        Advance(clock, 11 + static_cast<int>(random.Below(9)));
        // Now and then the device had lost its clock and stamped its default day.
        text += (random.Below(25) == 0 ? std::string("2007 3 4 8 12 0 0")
                                       : Stamp(clock, random.Between(0, 59))) +
                "\r\n";
    }
    return text;
}

// Club names that could not stand before the "_" of a record's file name are
// never given rounds.
bool UsableClub(const std::string& name) {
    return !name.empty() && IsSafeFileName(name) && name.find('_') == std::string::npos &&
           name.find(' ') == std::string::npos;
}

}  // namespace

std::vector<DemoRound> GenerateRounds(DemoRandom& random,
                                      const PerZone<std::vector<CourseNode>>& stored,
                                      const HolesOfClub& holesOf) {
    std::vector<const CourseNode*> clubs;
    for (const auto& zone : stored)
        for (const CourseNode& course : zone)
            if (UsableClub(course.name)) clubs.push_back(&course);

    std::vector<DemoRound> rounds;
    const int count = clubs.empty() ? 1 : random.Between(5, 8);
    for (int i = 0; i < count; ++i) {
        // The owner's own course (not in any list) plays the last round, on
        // holes laid out for it alone.
        const bool own = i == count - 1;
        std::optional<ClubHoles> ownHoles;
        if (own)
            ownHoles = LayOutClub(random, {37500000 + random.Between(0, 400000),
                                           127000000 + random.Between(0, 400000)});
        const CourseNode* course =
            own ? nullptr : clubs[random.Below(static_cast<std::uint32_t>(clubs.size()))];
        const std::string club = own ? "MyCC01" : course->name;
        const ClubHoles& holes = own ? *ownHoles : holesOf(*course);
        // One round a month, each at its own hour.
        const Clock start{2025 + i / 12, i % 12 + 1, random.Between(1, 28), 6 + i,
                          random.Between(0, 59)};
        const bool eighteen = i % 3 != 2;
        const int version = i % 3 == 0 ? 2 : 1;
        rounds.push_back(
            {Format("%s_%04d%02d%02d_%02d.dat", club.c_str(), start.year, start.month, start.day,
                    start.hour),
             RoundText(random, club, RoundHoles(random, holes, eighteen), start, version)});
    }
    return rounds;
}

void WriteDeviceRounds(const std::filesystem::path& root, const std::vector<DemoRound>& rounds) {
    std::string index;
    for (const DemoRound& round : rounds) {
        WriteDemoFile(root / "UserData" / round.fileName, round.text);
        index += round.fileName + "\r\n";
    }
    WriteDemoFile(root / "UserData" / "DataList.dat", index);
}

}  // namespace orvane::demo
