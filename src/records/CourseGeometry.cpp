#include "records/CourseGeometry.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <string_view>

#include "net/Fetch.h"
#include "records/CourseGeometryCodec.h"
#include "util/Scan.h"
#include "util/Text.h"

namespace orvane {
namespace {

template <std::size_t N>
const GeometryItem* Slot(const std::array<GeometryItem, N>& slots, std::int32_t number) {
    if (number < 1 || static_cast<std::size_t>(number) > N) return nullptr;
    return &slots[static_cast<std::size_t>(number) - 1];
}

// The CC file's lines, without their line ends.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

struct CourseLine {
    std::string name;
    char letter = '\0';
};

// "%s %c": the letter is the first character after the name's blanks.
bool ReadCourseLine(const std::string& line, CourseLine& out) {
    ScanReader scan(line, 0);
    std::string letter;
    if (!scan.Token(out.name, kGeometryTextLength) || !scan.Token(letter, 1)) return false;
    out.letter = letter[0];
    return true;
}

struct CountsLine {
    std::int32_t holesPerCourse = 0;
    std::int32_t courseCount = 0;
    std::int32_t third = 0;
};

CountsLine ReadCounts(const std::vector<std::string>& lines) {
    CountsLine counts;
    if (lines.size() < 2) return counts;
    ScanReader scan(lines[1], 0);
    scan.Int(counts.holesPerCourse) && scan.Int(counts.courseCount) && scan.Int(counts.third);
    return counts;
}

void AppendLog(const std::filesystem::path& file, const std::string& text) {
    if (text.empty()) return;
    // A log that cannot be written loses its lines; the geometry still loads.
    std::ofstream out(file, std::ios::binary | std::ios::app);
    out << text;
}

struct CheckLogs {
    std::string green;
    std::string teebox;
    std::string par;
};

void CheckHole(HoleGeometry& hole, std::int32_t index, const std::string& prefix, CheckLogs& logs) {
    const std::size_t greens =
        std::min(static_cast<std::size_t>(std::max(hole.greenCount, 0)), kGreenSlots);
    for (std::size_t g = 0; g < greens; ++g) {
        const std::size_t count = hole.greens[g].points.size();
        if (count < kGreenPointsExpected)
            logs.green +=
                Format("%s/Hole-%d/Green-%zu-%zu\r\n", prefix.c_str(), index, g + 1, count);
    }
    const std::vector<GeoPoint>& tees = hole.tees.points;
    if (tees.size() < 2)
        logs.teebox += Format("%s/Hole-%d/Teebox-%zu\r\n", prefix.c_str(), index, tees.size());
    // Without a tee the hole would have no start; the outline's third point
    // and its last sit either side of the tee end on the holes we have seen.
    const std::vector<GeoPoint>& outline = hole.outline.points;
    if (tees.empty() && outline.size() >= 3) {
        const GeoPoint& a = outline[2];
        const GeoPoint& b = outline.back();
        hole.tees.points.push_back(
            {(a.longitude + b.longitude) / 2, (a.latitude + b.latitude) / 2});
    }
    if (hole.par < 3 || hole.par > 7)
        logs.par += Format("%s/Hole-%d/Par-%d\r\n", prefix.c_str(), index, hole.par);
}

}  // namespace

const GeometryItem* HoleGeometry::Fairway(std::int32_t slotNumber) const {
    return Slot(fairways, slotNumber);
}
const GeometryItem* HoleGeometry::Green(std::int32_t slotNumber) const {
    return Slot(greens, slotNumber);
}
const GeometryItem* HoleGeometry::Bunker(std::int32_t slotNumber) const {
    return Slot(bunkers, slotNumber);
}
const GeometryItem* HoleGeometry::Water(std::int32_t slotNumber) const {
    return Slot(waters, slotNumber);
}

const HoleGeometry* CourseGeometry::Hole(std::int32_t index) const {
    if (index < 1 || index > holeTotal) return nullptr;
    const auto at = static_cast<std::size_t>(index);
    return at < holes.size() ? &holes[at] : nullptr;
}

const HoleGeometry* CourseGeometry::CourseHole(std::int32_t courseIndex,
                                               std::int32_t holeNumber) const {
    if (courseIndex < 0 || holeNumber < 1 || holeNumber > holesPerCourse) return nullptr;
    return Hole(holeNumber + holesPerCourse * courseIndex);
}

std::int32_t NormaliseGeometryCourseNumber(std::int32_t courseNumber) {
    const std::int32_t high = courseNumber / 10000;
    if (high == 0) return courseNumber + 50100000;
    if (high >= 1 && high <= 999) return courseNumber + 50000000;
    return courseNumber;
}

std::string CourseNamesPath(std::int32_t courseNumber, const std::string& club) {
    const std::string folder = Format("Course_V30//%06d//%02d//%sCC", courseNumber / 100,
                                      courseNumber % 100, club.c_str());
    return Format("Download//%s//%sCC.dat", folder.c_str(), club.c_str());
}

std::string GeometryFolder(std::int32_t courseNumber, const std::string& club) {
    const std::int32_t n = NormaliseGeometryCourseNumber(courseNumber);
    return Format("Download//Course_V30//%06d//%02d//%sCC", n / 100, n % 100, club.c_str());
}

std::string GeometryFolderTail(std::int32_t courseNumber, const std::string& club) {
    const std::int32_t n = NormaliseGeometryCourseNumber(courseNumber);
    return Format("%06d\\%02d\\%sCC", n / 100, n % 100, club.c_str());
}

int readCourseNames(HttpClient& http, RecordEntry& entry) {
    if (entry.courseNumber == 0 || !entry.record) return 0;
    const auto text = FetchToMemory(http, CourseNamesPath(entry.courseNumber, entry.name));
    if (!text) return 0;
    RoundRecord& record = *entry.record;
    const char front = record.courseLetters.size() > 0 ? record.courseLetters[0] : '\0';
    const char back = record.courseLetters.size() > 1 ? record.courseLetters[1] : '\0';
    const std::vector<std::string> lines = Lines(*text);
    const std::int32_t count = ReadCounts(lines).courseCount;
    // Course indexes address tables of kMaxCourses; later courses are ignored.
    const std::size_t courses = std::min(static_cast<std::size_t>(std::max(count, 0)), kMaxCourses);
    for (std::size_t i = 0; i < courses && i + 2 < lines.size(); ++i) {
        CourseLine line;
        if (!ReadCourseLine(lines[i + 2], line)) continue;
        if (line.letter == '\0') continue;
        if (line.letter == front) {
            record.frontCourseIndex = static_cast<std::int32_t>(i);
            record.frontCourseName = line.name;
        }
        if (line.letter == back) {
            record.backCourseIndex = static_cast<std::int32_t>(i);
            record.backCourseName = line.name;
        }
    }
    return 1;
}

void loadCourseGeometry(HttpClient& http, const RecordEntry& entry, CourseGeometry& geometry,
                        const std::filesystem::path& workFolder) {
    geometry = CourseGeometry{};
    const std::string& club = entry.name;
    const std::string folder = GeometryFolder(entry.courseNumber, club);
    const std::string tail = GeometryFolderTail(entry.courseNumber, club);
    const auto cc = FetchToMemory(http, Format("%s//%sCC.dat", folder.c_str(), club.c_str()));
    if (!cc) return;

    const std::vector<std::string> lines = Lines(*cc);
    if (!lines.empty()) {
        ScanReader scan(lines[0], 0);
        scan.Token(geometry.firstWord, kGeometryTextLength) &&
            scan.Token(geometry.secondWord, kGeometryTextLength);
    }
    const CountsLine counts = ReadCounts(lines);
    geometry.holesPerCourse = counts.holesPerCourse;
    geometry.courseCount = counts.courseCount;
    geometry.thirdValue = counts.third;
    // Counts from the file may be anything; a product past the int range is
    // as wrong as a negative one.
    const std::int64_t holeTotal =
        std::int64_t{geometry.holesPerCourse} * std::int64_t{geometry.courseCount};
    geometry.holeTotal = holeTotal <= std::numeric_limits<std::int32_t>::max()
                             ? static_cast<std::int32_t>(holeTotal)
                             : -1;
    if (geometry.holeTotal <= 0) {
        AppendLog(workFolder / "list_cc_file.dat", Format("CC file error : %s\r\n", tail.c_str()));
        geometry = CourseGeometry{};
        return;
    }
    const std::size_t courses =
        std::min(static_cast<std::size_t>(std::max(geometry.courseCount, 0)), kMaxCourses);
    for (std::size_t i = 0; i < courses && i + 2 < lines.size(); ++i) {
        CourseLine line;
        if (!ReadCourseLine(lines[i + 2], line)) continue;
        geometry.courseNames[i] = line.name;
        geometry.courseLetters[i] = line.letter;
    }

    const auto dd = FetchToMemory(http, Format("%s//%sDD.dat", folder.c_str(), club.c_str()));
    if (!dd) return;
    if (!DecodeCourseGeometry(*dd, geometry)) {
        geometry.holes.clear();
        return;
    }

    CheckLogs logs;
    const std::string prefix = tail + "/" + geometry.secondWord;
    for (std::int32_t h = 1; h <= geometry.holeTotal; ++h)
        CheckHole(geometry.holes[static_cast<std::size_t>(h)], h, prefix, logs);
    AppendLog(workFolder / "list_green.dat", logs.green);
    AppendLog(workFolder / "list_teebox.dat", logs.teebox);
    AppendLog(workFolder / "list_par.dat", logs.par);

    geometry.courseNumber = entry.courseNumber;
    geometry.currentHole = 0;
    geometry.loaded = 1;
}

GeoPoint GreenCentre(const std::vector<GeoPoint>& points) {
    if (points.empty()) return {};
    double minEast = points[0].longitude;
    double minNorth = points[0].latitude;
    for (const GeoPoint& p : points) {
        minEast = std::min(minEast, p.longitude);
        minNorth = std::min(minNorth, p.latitude);
    }
    std::vector<std::pair<double, double>> micro;
    for (const GeoPoint& p : points)
        micro.emplace_back(static_cast<double>(std::llround((p.longitude - minEast) * 1e6)),
                           static_cast<double>(std::llround((p.latitude - minNorth) * 1e6)));
    double area = 0;
    double cx = 0;
    double cy = 0;
    for (std::size_t i = 0; i < micro.size(); ++i) {
        const auto& [x0, y0] = micro[i];
        const auto& [x1, y1] = micro[(i + 1) % micro.size()];
        const double cross = x0 * y1 - x1 * y0;
        area += cross;
        cx += (x0 + x1) * cross;
        cy += (y0 + y1) * cross;
    }
    area /= 2;
    if (area == 0.0) {
        cx = 0;
        cy = 0;
        for (const auto& [x, y] : micro) {
            cx += x;
            cy += y;
        }
        cx /= static_cast<double>(micro.size());
        cy /= static_cast<double>(micro.size());
    } else {
        cx /= 6 * area;
        cy /= 6 * area;
    }
    return {minEast + cx / 1e6, minNorth + cy / 1e6};
}

}  // namespace orvane
