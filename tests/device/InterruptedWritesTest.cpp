#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <set>

#include "device/InterruptedWrites.h"
#include "support/TempFolder.h"
#include "util/TemporaryFiles.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// The names the writer really makes are the ones swept; near misses are not.
TEST(TemporaryNames, OnlyTheWritersOwnPatternCounts) {
    TempFolder folder;
    std::string made = (folder.path() / TemporaryNamePattern("ClubListKorea.dat")).string();
    const int fd = ::mkstemp(made.data());
    ASSERT_GE(fd, 0);
    ::close(fd);
    EXPECT_TRUE(IsTemporaryName(fs::path(made).filename().string()));
    for (const char* name : {"ClubListKorea.dat", ".hidden", ".a.b1C2d", "..abcdef", ".x.abc!ef",
                             "x.ClubList.dat.abcdef", ".x.abcdef.dat"})
        EXPECT_FALSE(IsTemporaryName(name)) << name;
}

// What a killed write leaves in the folders the manager writes is removed at
// the next connection; everything else, links included, stays.
TEST(InterruptedWrites, OnlyOurTemporaryFilesInOurFoldersGo) {
    TempFolder device;
    TempFolder work;
    TempFolder outside;
    const fs::path outsideFile = outside.Write(".victim.dat.Ab12Cd", "outside");
    const std::set<std::string> swept = {"System/.Ver.ini.a1B2c3", "ClubList/.CL_Europ.dat.zzzzzz",
                                         "Course_V40/.ClubListKorea.dat.Q9w8E7",
                                         "Course_V40/012345/67/.JEJU.dat.000000",
                                         "Cour107/000012/34/.SHORT.dat.abcdef"};
    const std::set<std::string> kept = {"System/Ver.ini",
                                        "Course_V40/012345/67/JEJU.dat",
                                        "Course_V40/012345/67/.JEJU.dat",
                                        "Course_V40/012345/67/deeper/.JEJU.dat.abcdef",
                                        "UserData/.DataList.dat.abcdef",
                                        ".root.dat.abcdef"};
    for (const auto& name : swept) device.Write(name, "part");
    for (const auto& name : kept) device.Write(name, "keep");
    fs::create_symlink(outsideFile, device.path() / "Course_V40/.link.dat.Zz99zz");
    fs::create_directories(device.path() / "Course_V40/.folder.dat.abcdef");
    work.Write(".ClubListAsia.dat.k3k3k3", "part");
    work.Write("ClubListAsia.dat", "keep");

    const DeviceLink link{.DeviceRoot = device.path()};
    EXPECT_EQ(RemoveInterruptedWrites(link, work.path()), static_cast<int>(swept.size()) + 1);
    for (const auto& name : swept) EXPECT_FALSE(fs::exists(device.path() / name)) << name;
    for (const auto& name : kept) EXPECT_TRUE(fs::exists(device.path() / name)) << name;
    EXPECT_TRUE(fs::is_symlink(device.path() / "Course_V40/.link.dat.Zz99zz"));
    EXPECT_TRUE(fs::is_directory(device.path() / "Course_V40/.folder.dat.abcdef"));
    EXPECT_EQ(testing::ReadWholeFile(outsideFile), "outside");
    EXPECT_FALSE(fs::exists(work.path() / ".ClubListAsia.dat.k3k3k3"));
    EXPECT_TRUE(fs::exists(work.path() / "ClubListAsia.dat"));
}

}  // namespace
}  // namespace orvane
