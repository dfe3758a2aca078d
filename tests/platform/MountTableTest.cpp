#include <gtest/gtest.h>

#include "platform/MountTable.h"

namespace orvane {
namespace {

TEST(MountTable, ReadsDeviceRootAndMountPointDecodingEscapes) {
    const auto table = ParseMountInfo(
        "87 22 8:17 / /media/ann/QPX\\040700 rw,nosuid shared:45 - vfat /dev/sdb1 rw\n"
        "88 22 8:33 /a\\134b /mnt/tab\\011new\\012line rw - vfat /dev/sdc1 rw\n"
        // Only three octal digits below \400 make an escape; the rest stays as written.
        "89 22 8:49 / /mnt/back\\slash\\08\\0401\\477 rw - vfat /dev/sdd1 rw");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].major, 8u);
    EXPECT_EQ(table[0].minor, 17u);
    EXPECT_EQ(table[0].root, "/");
    EXPECT_EQ(table[0].mountPoint, "/media/ann/QPX 700");
    EXPECT_EQ(table[1].root, "/a\\b");
    EXPECT_EQ(table[1].mountPoint, "/mnt/tab\tnew\nline");
    EXPECT_EQ(table[2].mountPoint, "/mnt/back\\slash\\08 1\\477");
}

TEST(MountTable, SkipsMalformedLinesAndKeepsTheRest) {
    const auto table = ParseMountInfo(
        "\n"
        "30 1 8:1 /\n"  // too few fields
        "31 1 81 / /no-colon rw\n"
        "34 1 8:x / /not-a-number rw\n"
        "36 1 99999999999:1 / /overflow rw\n"
        "   40 1 0:5 / /dev rw - devtmpfs udev rw   \n"
        "41 1 8:16 / /last rw - vfat /dev/sdb rw");  // no newline at the end
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].mountPoint, "/dev");
    EXPECT_EQ(table[1].mountPoint, "/last");
}

TEST(MountTable, FindsTheWholeFileSystemMountOfADeviceNumber) {
    const auto table = ParseMountInfo(
        // A bind mount of a subfolder is not where the device's root is.
        "50 22 8:17 /Course /home/ann/courses rw - vfat /dev/sdb1 rw\n"
        "52 22 8:17 / /media/ann/QPX700 rw - vfat /dev/sdb1 rw\n"
        "53 22 8:17 / /mnt/second rw - vfat /dev/sdb1 rw\n");
    EXPECT_EQ(MountPointOf(table, 8, 17), "/media/ann/QPX700");
    EXPECT_EQ(MountPointOf(table, 17, 8), std::nullopt);
}

// A given file and a missing one are read by the udev volume source's tests.
TEST(MountTable, ReadsTheProcessOwnTableByDefault) {
    const auto own = ReadMountTable();
    ASSERT_TRUE(own.has_value());
    EXPECT_FALSE(own->empty());
}

}  // namespace
}  // namespace orvane
