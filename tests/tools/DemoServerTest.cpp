#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "DemoCatalogue.h"
#include "DemoServer.h"
#include "catalogue/BinaryClubList.h"
#include "support/TempFolder.h"
#include "util/Files.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

class DemoServerTree : public ::testing::Test {
protected:
    std::string Read(const fs::path& relative) const {
        return ReadFileBytes(download_ / relative).value_or("<missing>");
    }

    demo::DemoCatalogue catalogue_ = demo::GenerateCatalogue(8, 700);
    testing::TempFolder out_;
    fs::path download_ = demo::WriteServerTree(out_.path(), catalogue_) / "Download";
};

TEST_F(DemoServerTree, HoldsEachZoneWhereTheServerCheckAsks) {
    std::set<std::string> expected, found;
    for (const ZoneFiles& files : ZoneTable) {
        const std::string name(files.catalogueName);
        for (const char* folder : {"Course_V40", "Course29", "Course30"})
            expected.insert(std::string(folder) + "/" + name);
        // First-generation devices fetch both their lists from Cour107.
        expected.insert("Cour107/" + name);
        expected.insert("Cour107/_" + name);
    }
    for (const auto& entry : fs::recursive_directory_iterator(download_))
        if (entry.is_regular_file()) found.insert(fs::relative(entry.path(), download_).string());
    EXPECT_EQ(found, expected);

    for (const ZoneFiles& files : ZoneTable) {
        const std::string name(files.catalogueName);
        EXPECT_EQ(Read(fs::path("Course29") / name), Read(fs::path("Course_V40") / name));
        EXPECT_EQ(Read(fs::path("Course30") / name), Read(fs::path("Course_V40") / name));
    }
}

TEST_F(DemoServerTree, FirstGenerationListsNameEveryCourseByItsDeviceKey) {
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        const std::string name(ZoneTable[zone].catalogueName);
        const auto& courses = catalogue_.zones[zone];

        std::vector<std::pair<std::string, std::string>> expectedAliases, aliases;
        for (const CourseNode& course : courses)
            if (!course.fileKey.empty()) expectedAliases.emplace_back(course.fileKey, course.name);
        for (const CourseNode& alias : ParseAliasList(Read(fs::path("Cour107") / ("_" + name))))
            aliases.emplace_back(alias.fileKey, alias.name);
        EXPECT_EQ(aliases, expectedAliases) << name;

        // The reference list keeps one record per course, headed by its key.
        const auto references = ParseReferenceList(Read(fs::path("Cour107") / name));
        ASSERT_EQ(references.size(), courses.size()) << name;
        for (std::size_t i = 0; i < courses.size(); ++i)
            EXPECT_EQ(references[i].name, FirstGenerationKey(courses[i])) << name << " " << i;
    }
}

}  // namespace
}  // namespace orvane
