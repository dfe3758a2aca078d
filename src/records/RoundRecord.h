#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orvane {

// One shot of a hole. East and north are millionths of a degree of
// longitude and latitude. In a record of version 2 or later the last shot's
// club is the number of the hole-out point in the hole's geometry instead.
struct ShotPoint {
    double east = 0;
    double north = 0;
    std::int32_t club = 0;
};

inline constexpr std::size_t kKeptShots = 11;
inline constexpr std::size_t kRecordHoles = 18;
// A round's front nine and back nine.
inline constexpr std::size_t kHalves = 2;
inline constexpr std::int32_t kHolesPerHalf = 9;

struct HoleResult {
    // 0 when the hole was not played.
    std::int32_t par = 0;
    // Strokes minus par, -4..9.
    std::int32_t scoreToPar = 0;
    std::int32_t putts = 0;
    std::int32_t flagsLow = 0;
    std::int32_t flagsHigh = 0;
    // Shots the hole line held; only the first kKeptShots are in `shots`.
    std::int32_t shotCount = 0;
    std::array<ShotPoint, kKeptShots> shots{};

    std::size_t KeptShots() const {
        return std::min(static_cast<std::size_t>(std::max(shotCount, 0)), kKeptShots);
    }
};

// Year, month, day of week, day, hour, minute, second; the eighth is spare.
using RecordTime = std::array<std::int32_t, 8>;

struct RoundRecord {
    std::int32_t version = 0;
    double value2 = 0;
    std::int32_t value3 = 0;
    std::int32_t value4 = 0;
    std::string frontCourseName;
    std::string backCourseName;
    // Course letters in the order the hole lines first name them, at most 8.
    std::string courseLetters;
    // Positions of the two courses in the club's course list; filled when the
    // score card opens.
    std::int32_t frontCourseIndex = 0;
    std::int32_t backCourseIndex = 0;
    // 9 or 18.
    std::int32_t holeCount = 0;
    RecordTime startTime{};
    RecordTime endTime{};
    std::int32_t frontIncomplete = 0;
    std::int32_t backIncomplete = 0;
    std::int32_t frontParTotal = 0;
    std::int32_t backParTotal = 0;
    std::int32_t frontScoreTotal = 0;
    std::int32_t backScoreTotal = 0;
    std::array<HoleResult, kRecordHoles> holes{};

    // The score card's holes: 1..9 for a nine-hole round, else 1..18.
    std::int32_t CardHoleCount() const {
        return holeCount > kHolesPerHalf ? static_cast<std::int32_t>(kRecordHoles) : kHolesPerHalf;
    }
    std::int32_t FrontStrokes() const { return frontScoreTotal + frontParTotal; }
    std::int32_t BackStrokes() const { return backScoreTotal + backParTotal; }
};

// One round record in the device's list or in the record folder's. A copy
// is a copy of its record too.
struct RecordEntry {
    RecordEntry() = default;
    RecordEntry(const RecordEntry& other) { *this = other; }
    RecordEntry& operator=(const RecordEntry& other) {
        if (this == &other) return *this;
        name = other.name;
        path = other.path;
        fileName = other.fileName;
        displayName = other.displayName;
        date = other.date;
        courseNumber = other.courseNumber;
        record = other.record ? std::make_unique<RoundRecord>(*other.record) : nullptr;
        return *this;
    }
    RecordEntry(RecordEntry&&) = default;
    RecordEntry& operator=(RecordEntry&&) = default;

    // The club name from the file name.
    std::string name;
    // Device list: the file on the device, "UserData/<file name>".
    std::string path;
    // Record folder list: the file's name in the record folder.
    std::string fileName;
    // The matched course's name, or `name` when no course matched.
    std::string displayName;
    // "yyyy.mm.dd_hh".
    std::string date;
    // The matched course's area code, 0 when none matched.
    std::int32_t courseNumber = 0;
    // Record folder list only. Held apart, as the device list may hold many
    // entries and never a record.
    std::unique_ptr<RoundRecord> record;
};

}  // namespace orvane
