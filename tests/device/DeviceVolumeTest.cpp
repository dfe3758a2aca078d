#include <gtest/gtest.h>

#include <cerrno>

#include "device/DeviceVolume.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::TempFolder;

TEST(EnsureFolder, CreatesOnlyTheLastLevel) {
    TempFolder folder;
    DeviceLink link{.DeviceRoot = folder.path()};

    EXPECT_TRUE(EnsureFolder(link, folder.path() / "System"));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "System"));
    EXPECT_TRUE(EnsureFolder(link, folder.path() / "System"));

    EXPECT_FALSE(EnsureFolder(link, folder.path() / "Cour107/000012/34"));
    EXPECT_EQ(link.LastDeviceError, static_cast<std::uint32_t>(ENOENT));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Cour107"));

    folder.Write("Plain", "a file in the way");
    EXPECT_FALSE(EnsureFolder(link, folder.path() / "Plain"));
    EXPECT_EQ(link.LastDeviceError, static_cast<std::uint32_t>(ENOTDIR));
}

TEST(FreeBytes, ReportsTheVolumeOrFailsWithTheError) {
    TempFolder folder;
    DeviceLink link{.DeviceRoot = folder.path()};
    const auto space = std::filesystem::space(folder.path());
    const std::uint32_t expected =
        space.available >= 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(space.available);
    // Others may write to the same volume meanwhile; a small drift is fine.
    EXPECT_NEAR(static_cast<double>(FreeBytes(link)), static_cast<double>(expected), 64.0 * 1024 * 1024);

    link.DeviceRoot = folder.path() / "gone";
    EXPECT_EQ(FreeBytes(link), 0u);
    EXPECT_EQ(link.LastDeviceError, static_cast<std::uint32_t>(ENOENT));
}

}  // namespace
}  // namespace orvane
