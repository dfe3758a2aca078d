#include "DemoCourseFiles.h"

#include <algorithm>
#include <stdexcept>

#include "DemoFiles.h"
#include "records/CourseGeometryCodec.h"
#include "util/Text.h"

namespace orvane::demo {
namespace {

// The club's two words, the hole and course counts, then each course's name
// and letter.
std::string CourseNamesText(const CourseGeometry& geometry) {
    std::string text =
        geometry.firstWord + " " + geometry.secondWord + "\r\n" +
        Format("%d %d %d\r\n", geometry.holesPerCourse, geometry.courseCount, geometry.thirdValue);
    for (std::size_t c = 0; c < static_cast<std::size_t>(geometry.courseCount); ++c)
        text += geometry.courseNames[c] + " " + geometry.courseLetters[c] + "\r\n";
    return text;
}

// The file nginx serves for an object name: the parts between "/" (however
// many stand together) are folders under the root.
std::filesystem::path ServedFile(const std::filesystem::path& server, const std::string& object) {
    std::filesystem::path file = server;
    for (std::size_t start = 0; start < object.size();) {
        const std::size_t end = std::min(object.find('/', start), object.size());
        if (end > start) file /= object.substr(start, end - start);
        start = end + 1;
    }
    return file;
}

// The names file goes where the club's own course number puts it and, with
// the holes, in the geometry folder of its normalised number (the same
// folder when the number is long already).
void WriteCourseFiles(const std::filesystem::path& server, const CourseNode& club,
                      const CourseGeometry& geometry) {
    const auto dd = EncodeCourseGeometry(geometry);
    if (!dd) throw std::runtime_error("the holes of " + club.name + " do not fit a DD file");
    const std::string names = CourseNamesText(geometry);
    const std::string folder = GeometryFolder(club.id, club.name);
    WriteDemoFile(ServedFile(server, CourseNamesPath(club.id, club.name)), names);
    WriteDemoFile(ServedFile(server, folder + "//" + club.name + "CC.dat"), names);
    WriteDemoFile(ServedFile(server, folder + "//" + club.name + "DD.dat"), *dd);
}

}  // namespace

const ClubHoles& ClubHolesOnServer::HolesOf(const CourseNode& club) {
    if (const auto found = clubs_.find(club.name); found != clubs_.end()) return found->second;
    ClubHoles holes = LayOutClub(seed_, club);
    WriteCourseFiles(server_, club, holes.geometry);
    return clubs_.emplace(club.name, std::move(holes)).first->second;
}

}  // namespace orvane::demo
