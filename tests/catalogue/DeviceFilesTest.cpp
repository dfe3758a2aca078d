#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "catalogue/DeviceFiles.h"
#include "shell/ResultCode.h"
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
TEST_F(DeviceFiles, WritesUpToFortyEightKilobytesShowNoProgress) {
    const StatusLine wait{134, "Storing data to the device, please wait."};
    const std::pair<std::size_t, std::vector<StatusLine>> cases[] = {
        {0, {}}, {30000, {}}, {30001, {wait}}, {49152, {wait}}};
    for (const auto& [length, statuses] : cases) {
        shell_.Clear();
        ASSERT_EQ(WriteDeviceFile(device_, ui_, Target(), Bytes(length)), 0);
        EXPECT_EQ(ReadWholeFile(Target()), Bytes(length));
        EXPECT_EQ(shell_.statuses(), statuses) << length;
        EXPECT_TRUE(shell_.progress().empty()) << length;
    }
}

TEST_F(DeviceFiles, LargeWritesReportEachPieceInBothLanguages) {
    ASSERT_EQ(WriteDeviceFile(device_, ui_, Target(), Bytes(49153)), 0);
    EXPECT_EQ(shell_.progress(), (std::vector<int>{200, 400, 600, 800, 1000}));
    const std::vector<StatusLine> expected = {
        {0, "36865bytes left of 49153bytes -- (1, 12288)"},
        {0, "24577bytes left of 49153bytes -- (2, 12288)"},
        {0, "12289bytes left of 49153bytes -- (3, 12288)"},
        {0, "1bytes left of 49153bytes -- (4, 12288)"},
        {0, "0bytes left of 49153bytes -- (5, 1)"},
        {134, "Storing data to the device, please wait."},
    };
    EXPECT_EQ(shell_.statuses(), expected);

    shell_.Clear();
    ui_.SetLanguage(Language::Korean);
    ASSERT_EQ(WriteDeviceFile(device_, ui_, Target(), Bytes(49153)), 0);
    EXPECT_EQ(shell_.statuses().front().text, "49153bytes 중 36865bytes 남음 -- (1, 12288)");
    EXPECT_EQ(shell_.statuses().back().text, "기기에 저장중입니다. 잠시만 기다려 주십시요.");
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
    rlimit small = saved;
    small.rlim_cur = 20000;
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
    EXPECT_EQ(ReadDeviceFile(device_, nullptr, "UserData/Dir.dat").code, 30000 + EISDIR);
}

TEST_F(DeviceFiles, LoadingKeepsClubListsInTheirZone) {
    deviceFolder_.Write("Course_V40/ClubListUSA_TX.dat", "texas");
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "ClubListUSA_TX.dat"), 0);
    EXPECT_EQ(data_.DeviceText[18], "texas");
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "ClubListMars.dat"), 1);
    data_.DeviceText[0] = "stale";
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "ClubListKorea.dat"), 2);
    EXPECT_EQ(data_.DeviceText[0], "");

    SetModel(4, "Course_V40");
    deviceFolder_.Write("ClubList/CL_Germa.dat", "german");
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "CL_Germa.dat"), 0);
    EXPECT_EQ(data_.DeviceText[25], "german");

    deviceFolder_.Write("System/Ver.ini", "V2.5.0Kr V2.5.1Kr and more");
    EXPECT_EQ(LoadDeviceFile(context_, nullptr, "Ver.ini"), 0);
    EXPECT_EQ(device_.VersionText, "V2.5.0Kr V2.5.1Kr a");
}

TEST_F(DeviceFiles, PutWritesClubListsAndFetchesMaps) {
    std::filesystem::create_directories(deviceFolder_.path() / "Course_V40");
    data_.DeviceText[0] = std::string("korea\0tail", 10);
    EXPECT_EQ(PutDeviceFile(context_, nullptr, "ClubListKorea.dat").code, 0);
    EXPECT_EQ(ReadWholeFile(deviceFolder_.path() / "Course_V40/ClubListKorea.dat"), "korea");
    EXPECT_EQ(PutDeviceFile(context_, nullptr, "ClubListNowhere.dat").code, 1);

    CourseNode course;
    course.id = 1234567;
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

    SetModel(4, "Course_V40");
    course.id = 50101234;
    http_.Serve("Download//Cour107//000012//34//_0001234.dat", "first generation");
    EXPECT_EQ(PutDeviceFile(context_, &course, "_0001234.dat").code, 0);
}

}  // namespace
}  // namespace orvane
