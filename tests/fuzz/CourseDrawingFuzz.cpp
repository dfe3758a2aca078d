// A club's course drawing file (its DD file), loaded and drawn hole by hole.
#include "FuzzSupport.h"
#include "records/CourseGeometry.h"
#include "records/HoleDrawing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    constexpr std::int32_t kCourseNumber = 50101234;
    const std::string club = "Club";
    const std::string folder = GeometryFolder(kCourseNumber, club) + "//" + club;
    fuzz::FileServer http;
    http.Serve(folder + "CC.dat", "Club CC\r\n9 2 0\r\nEast A\r\nWest B\r\n");
    http.Serve(folder + "DD.dat", fuzz::Text(data, size));
    RecordEntry entry;
    entry.name = club;
    entry.courseNumber = kCourseNumber;
    CourseGeometry geometry;
    loadCourseGeometry(http, entry, geometry, "/nonexistent/orvane-fuzz");
    if (geometry.loaded == 0) return 0;
    RoundRecord record;
    record.holeCount = 18;
    record.courseLetters = "AB";
    for (std::int32_t hole = 1; hole <= 18; ++hole)
        DrawHole(geometry, record, hole, {0, 0, 400, 560});
    return 0;
}
