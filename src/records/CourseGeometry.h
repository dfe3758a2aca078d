#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "net/HttpClient.h"
#include "records/RoundRecord.h"

namespace orvane {

// Geometry coordinates are degrees throughout.
struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
    bool operator==(const GeoPoint&) const = default;
};

inline constexpr std::size_t kMaxItemPoints = 127;

struct GeometryItem {
    std::int32_t value = 0;
    // At most kMaxItemPoints.
    std::vector<GeoPoint> points;
    bool operator==(const GeometryItem&) const = default;
};

inline constexpr std::size_t kFairwaySlots = 3;
inline constexpr std::size_t kGreenSlots = 4;
inline constexpr std::size_t kBunkerSlots = 31;
inline constexpr std::size_t kWaterSlots = 9;
// Each half of the object table.
inline constexpr std::size_t kObjectHalf = 10;
inline constexpr std::size_t kMaxHoleText = 1023;
// A green drawn with fewer points than this is probably a stub.
inline constexpr std::size_t kGreenPointsExpected = 25;

struct HoleGeometry {
    std::int32_t par = 0;
    std::int32_t number = 0;
    std::int32_t hasMarker = 0;
    GeoPoint marker;
    std::string text;
    // Items read of each kind; items whose number is outside the slots are
    // not counted.
    std::int32_t fairwayCount = 0;
    std::int32_t greenCount = 0;
    std::int32_t bunkerCount = 0;
    std::int32_t waterCount = 0;
    std::array<GeoPoint, kGreenSlots> greenCentres{};
    GeoPoint reference;
    GeometryItem outline;
    GeometryItem tees;
    GeometryItem markerLine;
    std::array<GeometryItem, kFairwaySlots> fairways{};
    std::array<GeometryItem, kGreenSlots> greens{};
    std::array<GeometryItem, kBunkerSlots> bunkers{};
    std::array<GeometryItem, kWaterSlots> waters{};
    // Codes below 100 fill slots 0..9, the others 10..19; value = code + 100.
    std::array<GeometryItem, 2 * kObjectHalf> objects{};
    // Slots used in each half, at most kObjectHalf.
    std::int32_t objectCountLow = 0;
    std::int32_t objectCountHigh = 0;

    // Numbered from 1 as the file numbers them; nullptr outside the slots.
    const GeometryItem* Fairway(std::int32_t slotNumber) const;
    const GeometryItem* Green(std::int32_t slotNumber) const;
    const GeometryItem* Bunker(std::int32_t slotNumber) const;
    const GeometryItem* Water(std::int32_t slotNumber) const;

    bool operator==(const HoleGeometry&) const = default;
};

inline constexpr std::size_t kMaxCourses = 8;
inline constexpr std::size_t kGeometryTextLength = 255;

struct CourseGeometry {
    std::int32_t loaded = 0;
    std::int32_t courseNumber = 0;
    std::string firstWord;
    std::string secondWord;
    std::array<std::string, kMaxCourses> courseNames{};
    std::array<char, kMaxCourses> courseLetters{};
    std::int32_t holesPerCourse = 0;
    std::int32_t courseCount = 0;
    std::int32_t holeTotal = 0;
    std::int32_t thirdValue = 0;
    std::int32_t currentHole = 0;
    // holeTotal + 1 entries; entry 0 is unused.
    std::vector<HoleGeometry> holes;

    // Entry `index` (1..holeTotal), or nullptr: a record may name holes the
    // club's files no longer have.
    const HoleGeometry* Hole(std::int32_t index) const;
    // Hole `holeNumber` (from 1) of course `courseIndex` (from 0).
    const HoleGeometry* CourseHole(std::int32_t courseIndex, std::int32_t holeNumber) const;

    bool operator==(const CourseGeometry&) const = default;
};

// Server folder numbers: the geometry lookup turns short course numbers into
// the club list's long form.
std::int32_t NormaliseGeometryCourseNumber(std::int32_t courseNumber);
// "Download//Course_V30//%06d//%02d//<club>CC//<club>CC.dat", unnormalised.
std::string CourseNamesPath(std::int32_t courseNumber, const std::string& club);
// "Download//Course_V30//%06d//%02d//<club>CC" of the normalised number: the
// server folder of the club's CC and DD files. The separators are the "//"
// of every other server path; a backslash separates nothing for an HTTP
// server.
std::string GeometryFolder(std::int32_t courseNumber, const std::string& club);
// "%06d\%02d\<club>CC", the same folder as the check logs name it.
std::string GeometryFolderTail(std::int32_t courseNumber, const std::string& club);

// Fills the front and back course names and indexes of entry.record from the
// club's CC file. Returns 1 when the file was fetched, 0 when the entry has
// course number 0 or no record, or the fetch failed.
int readCourseNames(HttpClient& http, RecordEntry& entry);

// Rebuilds `geometry` from the club's CC and DD files and appends the check
// logs (list_cc_file.dat, list_green.dat, list_teebox.dat, list_par.dat) in
// `workFolder`. loaded stays 0 when a fetch fails, the CC file names no hole
// or the DD data cannot be read.
void loadCourseGeometry(HttpClient& http, const RecordEntry& entry, CourseGeometry& geometry,
                        const std::filesystem::path& workFolder);

// The area centroid of a green's outline, worked in whole millionths of a
// degree from its south-west corner; the mean point when the area is zero.
GeoPoint GreenCentre(const std::vector<GeoPoint>& points);

}  // namespace orvane
