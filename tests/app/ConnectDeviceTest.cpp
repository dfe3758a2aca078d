#include <gtest/gtest.h>

#include "app/ConnectDevice.h"
#include "catalogue/BinaryClubList.h"
#include "support/FakeHttpClient.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"
#include "util/Text.h"

namespace orvane {
namespace {

std::string Line(const char* name, int id, double version) {
    return Format("%s \"%s CC\" %08d 37.500000 127.000000 0 0 0 0 0 0 %.2f\r\n", name, name, id,
                  version);
}

class ConnectDeviceTest : public ::testing::Test {
protected:
    ConnectDeviceTest() {
        http_.Serve("Download//Firmware//TEKRA_Table.txt",
                    "V4.3.0Kr FW_430\r\nV2.5.1Kr FW_251\r\n");
        http_.Serve("Download//Course_V40//ClubListKorea.dat",
                    Line("KR1", 10101, 1.25) + Line("KR2", 10102, 1.50) + Line("KR3", 10103, 1.0));
        session_.device.DeviceRoot = device_.path();
    }

    testing::RecordingShell shell_;
    testing::FakeHttpClient http_;
    testing::TempFolder device_;
    testing::TempFolder work_;
    Session session_{shell_, Language::English, http_, work_.path()};
};

TEST_F(ConnectDeviceTest, TextDeviceRunsEveryStepInOrder) {
    device_.Write("System/Ver.ini", "V5.2.0Kr V4.3.0Kr");
    device_.Write("Course_V40/ClubListKorea.dat",
                  Line("KR1", 10101, 1.25) + Line("KR2", 10102, 1.25));
    ASSERT_TRUE(ConnectDevice(session_));
    EXPECT_EQ(session_.device.DeviceVersionLine, "Device Version(SW/HW): V5.2.0Kr / V4.3.0Kr");

    std::vector<StatusLine> statuses = {{118, "Connecting to USB."},
                                        {112, "Connecting to the server."},
                                        {116, "Receiving data from the server."},
                                        {120, "Analyzing Clublist."},
                                        {120, "Analyzing Clublist."},
                                        {156, "Analyzing Clublist in foreign countries."}};
    for (int zone = 5; zone <= 19; ++zone)
        statuses.push_back({0, "Analyzing USA's Clublist. (zone = " + std::to_string(zone) + ")"});
    statuses.push_back({160, "Analyzing User data."});
    statuses.push_back({126, "The connection has been completed."});
    EXPECT_EQ(shell_.statuses(), statuses);
}

TEST_F(ConnectDeviceTest, UnreadableVersionIsToldOnceAndTheSequenceGoesOn) {
    ASSERT_TRUE(ConnectDevice(session_));
    const std::vector<Question> expected = {
        {"Failed to get the version information of the device.", "Notice", Buttons::Ok},
        {"It's failed to check device version.", "Notice", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    EXPECT_TRUE(std::filesystem::is_directory(device_.path() / "System"));
}

TEST_F(ConnectDeviceTest, NoDeviceFolderEndsTheSequenceAtTheStart) {
    session_.device.DeviceRoot = device_.path() / "gone";
    EXPECT_FALSE(ConnectDevice(session_));
    const std::vector<Question> expected = {
        {"Please reconnect the devices.", "Notice", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    EXPECT_TRUE(http_.requests().empty());
}

TEST_F(ConnectDeviceTest, FirstGenerationChecksEveryMapWithAPercentage) {
    device_.Write("System/Ver.ini", "V2.5.0Kr V2.5.1Kr");
    std::string list;
    for (const auto& [name, id] : {std::pair{"KR1", 10101}, std::pair{"KR2", 10102}})
        AppendBinaryRecord(list,
                           CourseNode{.id = id, .shortKey = ShortKeyFor(name), .version = 1.25});
    device_.Write("ClubList/ClubList.dat", list);
    device_.Write("Cour107/000101/01/KR1_____.dat", "map");
    ASSERT_TRUE(ConnectDevice(session_));
    // Three catalogue courses, one of them (KR3) new before the check: T = 2.
    const std::vector<StatusLine> tail = {
        {166, "Checking Map Data on Device. Please Wait."},
        {0, "Checking Map Data on Device. Please Wait. ( 50 % )"},
        {0, "Checking Map Data on Device. Please Wait. ( 100 % )"},
        {126, "The connection has been completed."}};
    const auto statuses = shell_.statuses();
    ASSERT_GE(statuses.size(), tail.size());
    EXPECT_EQ(std::vector<StatusLine>(statuses.end() - 4, statuses.end()), tail);
}

}  // namespace
}  // namespace orvane
