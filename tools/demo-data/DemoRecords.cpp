#include "DemoRecords.h"

#include <array>
#include <chrono>

#include "DemoFiles.h"
#include "DemoGeometry.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane::demo {
namespace {

constexpr int kDriver = 1;
constexpr int kPitchingWedge = 14;
constexpr int kSandWedge = 16;
// Approximate metres per microdegree of latitude; longitude is stretched by
// a fixed factor, plenty for positions the score card only compares.
constexpr double kMicroPerMetre = 1e6 / 111320.0;
constexpr double kLonStretch = 1.25;

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

// The clubs of a hole's full shots: a driver (or an iron on a par 3), then
// shorter clubs towards the green.
int ClubFor(DemoRandom& random, int par, int shot, int fullShots) {
    if (shot == 0)
        return par == 3 ? random.Between(7, 12) : kDriver + static_cast<int>(random.Below(2));
    if (shot == fullShots - 1) return random.Between(kPitchingWedge, kSandWedge + 2);
    return random.Between(3, 11);
}

struct HoleLine {
    std::string text;
    int strokes = 0;
};

HoleLine PlayHole(DemoRandom& random, const std::string& label, int par, int version,
                  MicroDegrees tee) {
    const int score =
        std::max(-2, std::min(4, random.Between(-1, 3) - (random.Below(6) == 0 ? 1 : 0)));
    const int strokes = par + score;
    const int putts = std::min(strokes - 1, random.Between(1, 3) - (random.Below(8) == 0 ? 1 : 0));
    const int fullShots = std::min(10, strokes - putts);
    // A tee-to-green line of par-sized length in one of eight headings.
    constexpr std::array<std::array<int, 2>, 8> kHeadings{
        {{10, 0}, {7, 7}, {0, 10}, {-7, 7}, {-10, 0}, {-7, -7}, {0, -10}, {7, -7}}};
    const auto& heading = kHeadings[random.Below(8)];
    const double length = par == 3   ? random.Between(120, 190)
                          : par == 4 ? random.Between(300, 420)
                                     : random.Between(440, 540);
    const auto along = [&](double fraction) {
        const double metres = length * fraction / 10.0;
        return MicroDegrees{
            tee.lat + static_cast<std::int32_t>(metres * heading[0] * kMicroPerMetre),
            tee.lon +
                static_cast<std::int32_t>(metres * heading[1] * kMicroPerMetre * kLonStretch)};
    };

    const int flags = static_cast<int>(random.Below(3)) | (static_cast<int>(random.Below(2)) << 4);
    std::string text =
        Format("%s %d %d %d %d", label.c_str(), par | (putts << 4), flags, score, fullShots + 1);
    for (int shot = 0; shot < fullShots; ++shot) {
        const MicroDegrees at =
            shot == 0 ? tee : PointNear(random, along(static_cast<double>(shot) / fullShots), 15);
        text += Format(" %d %d %d", at.lon, at.lat, ClubFor(random, par, shot, fullShots));
    }
    // The last point is where the ball was holed; a version 2 record names
    // the hole-out point of the hole's geometry in its club field.
    const MicroDegrees cup = PointNear(random, along(1.0), 3);
    text += Format(" %d %d %d", cup.lon, cup.lat, version > 1 ? random.Between(1, 3) : 19);
    // The device closes the line with counters of its own.
    text += Format(" %d %d", random.Between(0, 2), 0);
    return {text, strokes};
}

std::string RoundText(DemoRandom& random, const std::string& club, const CourseNode* course,
                      const Clock& start, bool eighteen, bool numbered, int version) {
    Clock clock = start;
    std::string text = Format("%d %.1f\r\n%d %d %d\r\n%s %s\r\n", version, 1.0, 1,
                              random.Between(0, 3), 0, club.c_str(), "Player");
    text += Stamp(clock, 0) + "\r\n" + Stamp(clock, 0) + "\r\n";
    const MicroDegrees reference = course
                                       ? MicroDegrees{static_cast<std::int32_t>(course->lat * 1e6),
                                                      static_cast<std::int32_t>(course->lon * 1e6)}
                                       : MicroDegrees{37500000 + random.Between(0, 400000),
                                                      127000000 + random.Between(0, 400000)};
    constexpr std::array<int, 9> kPars{4, 4, 3, 5, 4, 4, 3, 4, 5};
    const int holes = eighteen ? 18 : 9;
    for (int hole = 0; hole < holes; ++hole) {
        const char letter = numbered || hole < 9 ? 'A' : 'B';
        const int number = numbered ? hole + 1 : hole % 9 + 1;
        const int par = kPars[static_cast<std::size_t>((hole + (hole >= 9 ? 4 : 0)) % 9)];
        const HoleLine line = PlayHole(random, std::string(1, letter) + std::to_string(number), par,
                                       version, PointNear(random, reference, 500));
        text += line.text + "\r\n";
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
                                      const PerZone<std::vector<CourseNode>>& stored) {
    std::vector<const CourseNode*> clubs;
    for (const auto& zone : stored)
        for (const CourseNode& course : zone)
            if (UsableClub(course.name)) clubs.push_back(&course);

    std::vector<DemoRound> rounds;
    const int count = clubs.empty() ? 1 : random.Between(5, 8);
    for (int i = 0; i < count; ++i) {
        // The owner's own course (not in any list) plays the last round.
        const bool own = i == count - 1;
        const CourseNode* course =
            own ? nullptr : clubs[random.Below(static_cast<std::uint32_t>(clubs.size()))];
        const std::string club = own ? "MyCC01" : course->name;
        // One round a month, each at its own hour.
        const Clock start{2025 + i / 12, i % 12 + 1, random.Between(1, 28), 6 + i,
                          random.Between(0, 59)};
        const bool eighteen = i % 3 != 2;
        const bool numbered = eighteen && i % 4 == 1;
        const int version = i % 3 == 0 ? 2 : 1;
        rounds.push_back({Format("%s_%04d%02d%02d_%02d.dat", club.c_str(), start.year, start.month,
                                 start.day, start.hour),
                          RoundText(random, club, course, start, eighteen, numbered, version)});
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
