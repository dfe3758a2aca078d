#include <gtest/gtest.h>

#include "platform/MountTable.h"

namespace orvane {
namespace {

TEST(MountTable, ReadsDeviceRootAndMountPointDecodingEscapes) {
    const auto table = ParseMountInfo(
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "87 22 8:17 / /media/ann/QPX\\040700 rw,nosuid shared:45 - vfat /dev/sdb1 rw\n"
        "88 22 8:33 /a\\134b /mnt/tab\\011new\\012line rw - vfat /dev/sdc1 rw\n"
        // Only three octal digits make an escape; the rest stays as written.
        "89 22 8:49 / /mnt/back\\slash\\08\\0401 rw - vfat /dev/sdd1 rw");
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[1].major, 8u);
    EXPECT_EQ(table[1].minor, 17u);
    EXPECT_EQ(table[1].root, "/");
    EXPECT_EQ(table[1].mountPoint, "/media/ann/QPX 700");
    EXPECT_EQ(table[2].root, "/a\\b");
    EXPECT_EQ(table[2].mountPoint, "/mnt/tab\tnew\nline");
    EXPECT_EQ(table[3].mountPoint, "/mnt/back\\slash\\08 1");
}

TEST(MountTable, SkipsMalformedLinesAndKeepsTheRest) {
    const auto table = ParseMountInfo(
        "\n"
        "garbage\n"
        "30 1 8:1 /\n"  // too few fields
        "31 1 81 / /no-colon rw\n"
        "32 1 8: / /no-minor rw\n"
        "33 1 :1 / /no-major rw\n"
        "34 1 8:x / /not-a-number rw\n"
        "35 1 -8:1 / /negative rw\n"
        "36 1 99999999999:1 / /overflow rw\n"
        "37 1 \\\\:1 / /escaped rw\n"
        "   40 1 0:5 / /dev rw - devtmpfs udev rw   \n"
        "41 1 8:16 / /last rw - vfat /dev/sdb rw");  // no newline at the end
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].mountPoint, "/dev");
    EXPECT_EQ(table[1].mountPoint, "/last");
    EXPECT_TRUE(ParseMountInfo("").empty());
}

TEST(MountTable, FindsTheWholeFileSystemMountOfADeviceNumber) {
    const auto table = ParseMountInfo(
        "50 22 8:17 /Course /home/ann/courses rw - vfat /dev/sdb1 rw\n"  // bind mount of a
                                                                         // subfolder
        "51 22 8:1 / /boot rw - ext4 /dev/sda1 rw\n"
        "52 22 8:17 / /media/ann/QPX700 rw - vfat /dev/sdb1 rw\n"
        "53 22 8:17 / /mnt/second rw - vfat /dev/sdb1 rw\n"
        "54 22 17:8 / /swapped rw - vfat /dev/x rw\n");
    EXPECT_EQ(MountPointOf(table, 8, 17), "/media/ann/QPX700");
    EXPECT_EQ(MountPointOf(table, 17, 8), "/swapped");
    EXPECT_EQ(MountPointOf(table, 8, 1), "/boot");
    EXPECT_EQ(MountPointOf(table, 8, 16), std::nullopt);
    EXPECT_EQ(MountPointOf(table, 0, 0), std::nullopt);
}

// A given file and a missing one are read by the udev volume source's tests.
TEST(MountTable, ReadsTheProcessOwnTableByDefault) {
    // It always holds the process's root file system.
    const auto own = ReadMountTable();
    ASSERT_TRUE(own.has_value());
    EXPECT_FALSE(own->empty());
}

}  // namespace
}  // namespace orvane
