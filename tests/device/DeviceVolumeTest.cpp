#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "device/DeviceVolume.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

class DeviceVolume : public ::testing::Test {
protected:
    testing::TempFolder folder_;
    DeviceLink link_{.DeviceRoot = folder_.path()};
};

TEST_F(DeviceVolume, EnsureFolderCreatesOnlyTheLastLevel) {
    EXPECT_TRUE(EnsureFolder(link_, folder_.path() / "System"));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.path() / "System"));
    EXPECT_TRUE(EnsureFolder(link_, folder_.path() / "System"));

    EXPECT_FALSE(EnsureFolder(link_, folder_.path() / "Cour107/000012/34"));
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(ENOENT));
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "Cour107"));

    folder_.Write("Plain", "a file in the way");
    EXPECT_FALSE(EnsureFolder(link_, folder_.path() / "Plain"));
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(ENOTDIR));
}

TEST_F(DeviceVolume, FreeBytesAreCappedAtThirtyTwoBitsOrFailWithTheError) {
    const auto available = static_cast<double>(std::filesystem::space(folder_.path()).available);
    // Others may write to the same volume meanwhile; a small drift is fine.
    EXPECT_NEAR(FreeBytes(link_), std::min(available, 4294967295.0), 64.0 * 1024 * 1024);

    link_.DeviceRoot = folder_.path() / "gone";
    EXPECT_EQ(FreeBytes(link_), 0u);
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(ENOENT));
}

}  // namespace
}  // namespace orvane
