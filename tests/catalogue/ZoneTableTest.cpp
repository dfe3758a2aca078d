#include <gtest/gtest.h>

#include "catalogue/CourseNode.h"
#include "catalogue/ZoneTable.h"

namespace orvane {
namespace {

TEST(ZoneTable, DeviceClubListsAreNamedByModel) {
    EXPECT_EQ(DeviceClubListName(0, 9), "ClubListKorea.dat");
    EXPECT_EQ(DeviceClubListName(0, 4), "ClubList.dat");
    EXPECT_EQ(DeviceClubListName(21, 4), "Cl_Austr.dat");
    EXPECT_EQ(DeviceClubListName(27, 7), "ClubListEurope.dat");

    EXPECT_EQ(ZoneOfDeviceClubList("ClubList.dat", 4), 0);
    EXPECT_EQ(ZoneOfDeviceClubList("ClubListKorea.dat", 4), std::nullopt);
    EXPECT_EQ(ZoneOfDeviceClubList("ClubListKorea.dat", 9), 0);
    EXPECT_EQ(ZoneOfDeviceClubList("ClubListUSA_OT.dat", 3), 19);
    EXPECT_EQ(ZoneOfDeviceClubList("Cl_US_OT.dat", 9), 19);
    // The European zones spell their prefix with a capital L.
    EXPECT_EQ(ZoneOfDeviceClubList("CL_Swede.dat", 4), 26);
    EXPECT_EQ(ZoneOfDeviceClubList("Cl_Unknown.dat", 4), std::nullopt);
}

TEST(CourseNode, ShortKeyIsCutOrPaddedToEight) {
    EXPECT_EQ(ShortKeyFor("ABC"), "ABC_____");
    EXPECT_EQ(ShortKeyFor("ABCDEFGHIJK"), "ABCDEFGH");
    EXPECT_EQ(ShortKeyFor(""), "________");
}

}  // namespace
}  // namespace orvane
