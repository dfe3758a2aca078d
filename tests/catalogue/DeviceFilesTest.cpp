#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

#include "catalogue/DeviceFiles.h"
#include "device/DeviceFileAccess.h"
#include "device/VersionFile.h"
#include "support/CatalogueFixture.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;

class DeviceFiles : public testing::CatalogueFixture {
protected:
    std::filesystem::path Target() const { return deviceFolder_.path() / "ClubListKorea.dat"; }
    static std::string Bytes(std::size_t length) {
        std::string bytes(length, '\0');
        for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 26);
        return bytes;
    }
};

// From 30001 bytes the person is asked to wait; only above 49152 is the
// progress of each piece shown.
TEST_F(DeviceFiles, LargeWritesAskToWaitAndShowEachPiece) {
    const StatusLine wait{134, "Storing data to the device, please wait."};
    const std::pair<std::size_t, std::vector<StatusLine>> cases[] = {
        {30000, {}}, {30001, {wait}}, {49152, {wait}}};
    for (const auto& [length, statuses] : cases) {
        shell_.Clear();
        ASSERT_EQ(WriteDeviceFile(device_, ui_, Target(), Bytes(length)), 0);
        EXPECT_EQ(ReadWholeFile(Target()), Bytes(length));
        EXPECT_EQ(shell_.statuses(), statuses) << length;
        EXPECT_TRUE(shell_.progress().empty()) << length;
    }
    shell_.Clear();
    ASSERT_EQ(WriteDeviceFile(device_, ui_, Target(), Bytes(49153)), 0);
    EXPECT_EQ(shell_.progress(), (std::vector<int>{200, 400, 600, 800, 1000}));
    const std::vector<StatusLine> statuses = shell_.statuses();
    ASSERT_EQ(statuses.size(), 6u);
    EXPECT_EQ(statuses[0].text, "36865bytes left of 49153bytes -- (1, 12288)");
    EXPECT_EQ(statuses[4].text, "0bytes left of 49153bytes -- (5, 1)");
    EXPECT_EQ(statuses[5], wait);
}

TEST_F(DeviceFiles, NoSpaceIsToldAndNothingIsWritten) {
    device_.DeviceRoot = deviceFolder_.path() / "unplugged";
    EXPECT_EQ(WriteDeviceFile(device_, ui_, device_.DeviceRoot / "x.dat", "data"), 2);
    const std::vector<Question> expected = {{"No enough storage space.", "Notice", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    EXPECT_EQ(shell_.statuses(), (std::vector<StatusLine>{{0, ""}}));
}

TEST_F(DeviceFiles, AnInterruptedWriteLeavesTheOldFileWhole) {
    deviceFolder_.Write("ClubListKorea.dat", "old club list");
    // The file-size limit makes the second piece fail mid-write, as a full
    // or unplugged device would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit small{20000, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = WriteDeviceFile(device_, ui_, Target(), Bytes(60000));
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(result, 2);
    EXPECT_EQ(device_.LastDeviceError, static_cast<std::uint32_t>(EFBIG));
    EXPECT_EQ(ReadWholeFile(Target()), "old club list");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(deviceFolder_.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(DeviceFiles, ReadsReportTheStageThatFailed) {
    deviceFolder_.Write("UserData/DataList.dat", "list");
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "DataList.dat").bytes, "list");
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "Ver.ini").code, 10000 + ENOENT);
    deviceFolder_.Write("System/Ver.ini", "");
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "Ver.ini").code, 20000);
    std::filesystem::create_directories(deviceFolder_.path() / "UserData/Dir.dat");
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "UserData/Dir.dat").code, 10000 + EISDIR);
}

// A device volume holds folders and regular files only. Anything else is
// refused at the open, before a read that could block for ever, and no link
// is followed off the device.
TEST_F(DeviceFiles, SpecialFilesAndLinksAreRefusedNotRead) {
    const std::filesystem::path root = deviceFolder_.path();
    testing::TempFolder outside;
    outside.Write("list.dat", "outside bytes");
    std::filesystem::create_directories(root / "UserData");
    std::filesystem::create_directories(root / "System");
    ASSERT_EQ(::mkfifo((root / "UserData/DataList.dat").c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((root / "System/Ver.ini").c_str(), 0644), 0);
    std::filesystem::create_symlink(outside.path() / "list.dat", root / "UserData/Link_1.dat");
    std::filesystem::create_directory_symlink(outside.path(), root / "Course_V40");
    // A sparse file one byte past the ceiling costs no disk.
    std::filesystem::resize_file(deviceFolder_.Write("UserData/Huge_1.dat", "x"),
                                 kLargestDeviceFile + 1);

    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "DataList.dat").code, 10000 + EINVAL);
    EXPECT_EQ(ReadVersionFile(device_), 1);
    EXPECT_EQ(device_.LastDeviceError, static_cast<std::uint32_t>(EINVAL));
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "UserData/Link_1.dat").code, 10000 + ELOOP);
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "ClubList.dat").code, 10000 + ELOOP);
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "UserData/Huge_1.dat").code, 10000 + EFBIG);

    // Nor is a club list written through the link.
    data_.DeviceText[0] = "korea";
    EXPECT_EQ(PutDeviceFile(context_, nullptr, "ClubListKorea.dat").code, 2);
    EXPECT_EQ(device_.LastDeviceError, static_cast<std::uint32_t>(ELOOP));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(outside.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(ReadWholeFile(outside.path() / "list.dat"), "outside bytes");
}

// An unplugged device leaves its mount point, on another file system: that
// is not the device until a version file is read there again.
TEST_F(DeviceFiles, OnlyTheVolumeTheVersionCameFromIsTheDevice) {
    deviceFolder_.Write("System/Ver.ini", "V4.1.9Kr V4.0.0Kr\r\n");
    deviceFolder_.Write("UserData/DataList.dat", "list");
    std::filesystem::create_directories(deviceFolder_.path() / "Course_V40");
    ASSERT_EQ(ReadVersionFile(device_), 0);
    EXPECT_TRUE(DeviceVolumePresent(device_));
    device_.DeviceVolumeId += 1;
    EXPECT_FALSE(DeviceVolumePresent(device_));
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "DataList.dat").code, 10000 + ENODEV);
    data_.DeviceText[0] = "korea";
    EXPECT_EQ(PutDeviceFile(context_, nullptr, "ClubListKorea.dat").code, 2);
    EXPECT_EQ(device_.LastDeviceError, static_cast<std::uint32_t>(ENODEV));
    EXPECT_TRUE(std::filesystem::is_empty(deviceFolder_.path() / "Course_V40"));

    ASSERT_EQ(ReadVersionFile(device_), 0);
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "DataList.dat").bytes, "list");
}

// A device that lacks a club list must not keep the one read before.
TEST_F(DeviceFiles, LoadingAMissingClubListClearsTheOldText) {
    data_.DeviceText[0] = "stale";
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "ClubListKorea.dat"), 2);
    EXPECT_EQ(data_.DeviceText[0], "");
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "ClubListMars.dat"), 1);
}

TEST_F(DeviceFiles, PutWritesClubListsAndFetchesMaps) {
    std::filesystem::create_directories(deviceFolder_.path() / "Course_V40");
    data_.DeviceText[0] = std::string("korea\0tail", 10);
    EXPECT_EQ(PutDeviceFile(context_, nullptr, "ClubListKorea.dat").code, 0);
    EXPECT_EQ(ReadWholeFile(deviceFolder_.path() / "Course_V40/ClubListKorea.dat"), "korea");
    EXPECT_EQ(PutDeviceFile(context_, nullptr, "ClubListNowhere.dat").code, 1);

    const CourseNode course{.id = 1234567};
    http_.Serve("Download//Course_V40//012345//67//A.dat", "map bytes");
    const PutResult fetched = PutDeviceFile(context_, &course, "A.dat");
    EXPECT_EQ(fetched.code, 0);
    EXPECT_EQ(fetched.fetchedLength, 9u);
    EXPECT_EQ(ReadWholeFile(workFolder_.path() / "A.dat"), "map bytes");
    EXPECT_EQ(PutDeviceFile(context_, &course, "B.dat").code, 5);
    EXPECT_FALSE(std::filesystem::exists(workFolder_.path() / "B.dat"));
    // A name that would leave the working folder is never fetched.
    EXPECT_EQ(PutDeviceFile(context_, &course, "../escape.dat").code, 5);
    EXPECT_EQ(http_.requests().size(), 2u);
}

}  // namespace
}  // namespace orvane
