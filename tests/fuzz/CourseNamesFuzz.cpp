// A club's course-names file (its CC file) as the score card and the hole
// view read it.
#include "FuzzSupport.h"
#include "records/CourseGeometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    constexpr std::int32_t kCourseNumber = 50101234;
    const std::string club = "Club";
    const std::string text = fuzz::Text(data, size);
    fuzz::FileServer http;
    http.Serve(CourseNamesPath(kCourseNumber, club), text);
    http.Serve(GeometryFolder(kCourseNumber, club) + "//" + club + "CC.dat", text);
    RecordEntry entry;
    entry.name = club;
    entry.courseNumber = kCourseNumber;
    entry.record = std::make_unique<RoundRecord>();
    entry.record->courseLetters = "AB";
    readCourseNames(http, entry);
    CourseGeometry geometry;
    // The check logs go nowhere: a folder that cannot exist.
    loadCourseGeometry(http, entry, geometry, "/nonexistent/orvane-fuzz");
    return 0;
}
