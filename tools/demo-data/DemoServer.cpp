#include "DemoServer.h"

#include <string>

#include "DemoClubLists.h"
#include "DemoFiles.h"
#include "catalogue/ZoneTable.h"

namespace orvane::demo {
namespace {

// Lists made on Windows carry their Korean titles in CP949: the Korean
// zone's server lists are written that way, every other list in UTF-8, so
// that both reach the manager.
constexpr std::size_t kCp949Zone = 0;

std::vector<CourseNode> WithCp949Titles(std::vector<CourseNode> courses) {
    for (CourseNode& course : courses) course.title = Cp949(course.title);
    return courses;
}

// Every model's course folder gets the same lists.
constexpr const char* kCourseFolders[] = {"Course_V40", "Course29", "Course30"};
constexpr const char* kFirstGenerationFolder = "Cour107";

}  // namespace

std::filesystem::path WriteServerTree(const std::filesystem::path& out,
                                      const DemoCatalogue& catalogue) {
    const auto root = out / "server";
    const auto download = root / "Download";
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        const std::vector<CourseNode>& courses = catalogue.zones[zone];
        const std::string name(ZoneTable[zone].catalogueName);
        const std::string text =
            TextClubList(zone == kCp949Zone ? WithCp949Titles(courses) : courses);
        for (const char* folder : kCourseFolders) WriteDemoFile(download / folder / name, text);
        WriteDemoFile(download / kFirstGenerationFolder / ("_" + name), AliasList(courses));
        WriteDemoFile(download / kFirstGenerationFolder / name, BinaryClubList(courses));
    }
    return root;
}

}  // namespace orvane::demo
