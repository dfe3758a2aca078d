#include <gtest/gtest.h>

#include "device/DevicePaths.h"

namespace orvane {
namespace {

DeviceLink Model(int modelCode, std::string courseFolder = "Course_V40") {
    DeviceLink link;
    link.DeviceRoot = "/media/dev";
    link.ModelCode = modelCode;
    link.CourseFolder = std::move(courseFolder);
    return link;
}

TEST(DevicePaths, SystemFilesHaveFixedPlaces) {
    struct Case {
        int model;
        std::string_view name;
        std::string expected;
    };
    const Case cases[] = {
        {9, "Ver.ini", "System/Ver.ini"},
        {4, "Cl_Asia.dat", "ClubList/Cl_Asia.dat"},
        {9, "Cl_Asia.dat", "ClubList/Cl_Asia.dat"},
        {4, "CL_Europe.dat", "ClubList/CL_Europe.dat"},
        {4, "ClubListKorea.dat", "ClubList/ClubListKorea.dat"},
        {9, "ClubListKorea.dat", "Course_V40/ClubListKorea.dat"},
        {3, "ClubListKorea.dat", "Course29/ClubListKorea.dat"},
        {9, "DataList.dat", "UserData/DataList.dat"},
        {9, "UserData/R0001.dat", "UserData/R0001.dat"},
        {9, "A.dat", ""},
    };
    for (const Case& c : cases) {
        const char* folder = c.model == 3 ? "Course29" : "Course_V40";
        EXPECT_EQ(DevicePathFor(Model(c.model, folder), c.name), c.expected) << c.name;
    }
}

TEST(DevicePaths, MapFilesGoUnderTheCourseNumber) {
    EXPECT_EQ(DevicePathFor(Model(3, "Course29"), "A.dat", 1234567), "Course29/012345/67/A.dat");
    EXPECT_EQ(DevicePathFor(Model(7, "Course30"), "B.dat", 10020301), "Course30/100203/01/B.dat");
    // The first generation shortens ids of two families.
    EXPECT_EQ(DevicePathFor(Model(4), "M.dat", 50101234), "Cour107/000012/34/M.dat");
    EXPECT_EQ(DevicePathFor(Model(4), "M.dat", 51234567), "Cour107/012345/67/M.dat");
    EXPECT_EQ(DevicePathFor(Model(4), "M.dat", 1234567), "Cour107/012345/67/M.dat");
    EXPECT_EQ(DeviceFilePath(Model(4), "Cour107/012345/67/M.dat"),
              std::filesystem::path("/media/dev/Cour107/012345/67/M.dat"));
}

}  // namespace
}  // namespace orvane
