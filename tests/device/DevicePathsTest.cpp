#include <gtest/gtest.h>

#include "device/DevicePaths.h"

namespace orvane {
namespace {

DeviceLink Model(int modelCode, std::string courseFolder = "Course_V40") {
    return DeviceLink{.DeviceRoot = "/media/dev",
                      .ModelCode = modelCode,
                      .CourseFolder = std::move(courseFolder)};
}

TEST(DevicePaths, SystemFilesHaveFixedPlaces) {
    EXPECT_EQ(DevicePathFor(Model(9), "Ver.ini"), "System/Ver.ini");
    EXPECT_EQ(DevicePathFor(Model(9), "Cl_Asia.dat"), "ClubList/Cl_Asia.dat");
    EXPECT_EQ(DevicePathFor(Model(4), "ClubListKorea.dat"), "ClubList/ClubListKorea.dat");
    EXPECT_EQ(DevicePathFor(Model(3, "Course29"), "ClubListKorea.dat"),
              "Course29/ClubListKorea.dat");
    EXPECT_EQ(DevicePathFor(Model(9), "UserData/R0001.dat"), "UserData/R0001.dat");
    EXPECT_EQ(DevicePathFor(Model(9), "A.dat"), "");
}

TEST(DevicePaths, MapFilesGoUnderTheCourseNumber) {
    EXPECT_EQ(DevicePathFor(Model(3, "Course29"), "A.dat", 1234567), "Course29/012345/67/A.dat");
    // The first generation shortens ids of two families.
    EXPECT_EQ(DevicePathFor(Model(4), "M.dat", 50101234), "Cour107/000012/34/M.dat");
    EXPECT_EQ(DevicePathFor(Model(4), "M.dat", 51234567), "Cour107/012345/67/M.dat");
}

}  // namespace
}  // namespace orvane
