#include <gtest/gtest.h>

#include "catalogue/BinaryClubList.h"
#include "catalogue/Classification.h"
#include "catalogue/SaveDeviceZone.h"
#include "support/CatalogueFixture.h"

namespace orvane {
namespace {

CourseNode Course(const std::string& name, std::int32_t id, double version) {
    CourseNode course{.id = id, .title = name + " CC", .name = name, .shortKey = ShortKeyFor(name)};
    course.version = version;
    course.lat = 37.5;
    course.lon = 127.25;
    course.points = {{{1000, 2000}, {-500, 0}, {0, -1500}}};
    ComputeBounds(course);
    return course;
}

class Classification : public testing::CatalogueFixture {
protected:
    Classification() { std::filesystem::create_directories(deviceFolder_.path() / "Course_V40"); }

    std::vector<CourseNode>& Catalogue(std::size_t zone = 0) { return data_.CatalogueList[zone]; }
    std::vector<CourseNode>& Device() { return data_.DeviceList[0]; }
    std::vector<Mark> Marks() {
        std::vector<Mark> marks;
        for (const CourseNode& course : Catalogue()) marks.push_back(course.mark);
        return marks;
    }
};

TEST_F(Classification, MarksFollowNameVersionAndId) {
    Catalogue() = {Course("MISSING", 10010101, 1.0), Course("NEWER", 10010102, 1.30),
                   Course("SAME", 10010103, 1.25),   Course("OLDER", 10010104, 1.00),
                   Course("MOVED", 10010105, 1.25),  Course("TWICE", 10010106, 1.25),
                   Course("WILD", 9990001, 1.25)};
    Device() = {Course("NEWER", 10010102, 1.25), Course("SAME", 10010103, 1.25),
                Course("OLDER", 10010104, 1.25), Course("MOVED", 10020101, 1.25),
                Course("TWICE", 10020202, 1.25), Course("TWICE", 10010106, 1.25),
                Course("WILD", 12340001, 1.25)};
    ClassifyCourses(data_);
    using enum Mark;
    EXPECT_EQ(Marks(), (std::vector<Mark>{New, Updated, Stored, Stored, New, Stored, Stored}));
}

TEST_F(Classification, FirstGenerationDropsCoursesWhoseMapIsGone) {
    SetModel(4, "Course_V40");
    Catalogue() = {Course("HASMAP", 50101234, 1.0), Course("NOMAP", 1234567, 1.0)};
    Device() = {Course("HASMAP", 50101234, 1.0), Course("NOMAP", 1234567, 1.0)};
    deviceFolder_.Write("Cour107/000012/34/HASMAP__.dat", "map");
    // A folder where the map should be is no map.
    std::filesystem::create_directories(deviceFolder_.path() / "Cour107/012345/67/NOMAP___.dat");
    ClassifyCourses(data_);
    CheckDeviceMaps(device_, data_);
    ASSERT_EQ(Device().size(), 1u);
    EXPECT_EQ(Device()[0].name, "HASMAP");
    EXPECT_EQ(Marks(), (std::vector<Mark>{Mark::Stored, Mark::New}));
}

TEST_F(Classification, SavedTextListLeavesOutNewAndKeepsTheDeviceVersionOfUpdated) {
    Catalogue() = {Course("KEEP", 10010101, 1.0), Course("FRESH", 10010102, 1.0),
                   Course("BUMP", 10010103, 1.5)};
    Device() = {Course("BUMP", 10010199, 1.25), Course("KEEP", 10010101, 1.0)};
    ClassifyCourses(data_);
    ASSERT_EQ(SaveDeviceZone(context_, 0), 0);
    EXPECT_EQ(testing::ReadWholeFile(deviceFolder_.path() / "Course_V40/ClubListKorea.dat"),
              "KEEP \"KEEP CC\" 10010101 37.500000 127.250000 1000 2000 -500 0 0 -1500 1.00\n"
              "BUMP \"BUMP CC\" 10010199 37.500000 127.250000 1000 2000 -500 0 0 -1500 1.25\n");
}

TEST_F(Classification, SavedFirstGenerationListIsBinary) {
    SetModel(4, "Course_V40");
    std::filesystem::create_directories(deviceFolder_.path() / "ClubList");
    Catalogue(1) = {Course("ABC", 10010101, 1.25)};
    ASSERT_EQ(SaveDeviceZone(context_, 1), 0);
    std::string expected;
    AppendBinaryRecord(expected, Catalogue(1)[0]);
    EXPECT_EQ(testing::ReadWholeFile(deviceFolder_.path() / "ClubList/Cl_China.dat"), expected);
}

}  // namespace
}  // namespace orvane
