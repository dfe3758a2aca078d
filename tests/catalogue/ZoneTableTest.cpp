#include <gtest/gtest.h>

#include "catalogue/ZoneTable.h"

namespace orvane {
namespace {

TEST(ZoneTable, DeviceClubListsAreNamedByModel) {
    EXPECT_EQ(DeviceClubListName(0, 9), "ClubListKorea.dat");
    EXPECT_EQ(DeviceClubListName(0, 4), "ClubList.dat");

    EXPECT_EQ(ZoneOfDeviceClubList("ClubListKorea.dat", 4), std::nullopt);
    EXPECT_EQ(ZoneOfDeviceClubList("Cl_US_OT.dat", 9), 19);
    // The European zones spell their prefix with a capital L.
    EXPECT_EQ(ZoneOfDeviceClubList("CL_Swede.dat", 4), 26);
}

}  // namespace
}  // namespace orvane
