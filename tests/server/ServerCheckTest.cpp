#include <gtest/gtest.h>

#include "server/FirmwareTable.h"
#include "server/ServerCheck.h"
#include "support/CatalogueFixture.h"

namespace orvane {
namespace {

class ServerCheckTest : public testing::CatalogueFixture {
protected:
    ServerCheckTest() {
        device_.HardwareVersion = "V4.3.0Us";
        http_.Serve("Download//Firmware//TEKRA_Table.txt",
                    "V4.2.0Kr FW_420\r\nV4.2.5Kr FW_425\r\nV4.3.0Us FW_430\r\n");
        http_.Serve("Download//Course_V40//ClubListKorea.dat",
                    "ABC \"Alpha\" 00010101 37.5 127.0 0 0 0 0 0 0 1.25\r\n");
    }

    bool Check() { return ServerCheck(context_, server_); }

    ServerState server_;
};

TEST_F(ServerCheckTest, LoadsTheCatalogueAndLeavesNothingBehind) {
    http_.Serve("Download//Course_V40//ClubListUSA_TX.dat",
                "TX1 \"Texas One\" 10014401 31.0 -97.0 0 0 0 0 0 0 1.00\n");
    ASSERT_TRUE(Check());
    EXPECT_EQ(data_.CatalogueList[18].size(), 1u);
    EXPECT_EQ(server_.FirmwareTable.size(), 3u);
    EXPECT_TRUE(shell_.questions().empty());
    // No first-generation file is asked for on a text device, and nothing
    // fetched stays in the working folder.
    for (const std::string& request : http_.requests())
        EXPECT_EQ(request.find("Cour107"), std::string::npos) << request;
    EXPECT_TRUE(std::filesystem::is_empty(workFolder_.path()));
}

TEST_F(ServerCheckTest, NoInternetStopsAtOnce) {
    http_.SetReachable(false);
    ui_.SetLanguage(Language::Korean);
    EXPECT_FALSE(Check());
    const std::vector<Question> expected = {
        {"인터넷이 연결되어 있지 않습니다.", "알림", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    EXPECT_TRUE(http_.requests().empty());
}

TEST_F(ServerCheckTest, MissingFirmwareTableOrKoreaListLosesTheConnection) {
    http_.Serve("Download//Course_V40//ClubListKorea.dat", "");
    EXPECT_FALSE(Check());
    const std::vector<Question> lost = {
        {"The connection to the server has been lost.", "Notice", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), lost);

    testing::FakeHttpClient noTable;
    CatalogueContext context{device_, data_, ui_, noTable, workFolder_.path()};
    shell_.Clear();
    EXPECT_FALSE(ServerCheck(context, server_));
    EXPECT_EQ(shell_.questions(), lost);
}

TEST_F(ServerCheckTest, NewerManagerVersionsAreAnnouncedByteWise) {
    const std::pair<std::string, bool> cases[] = {
        {"Version: V3.3\r\nNew features", true}, {"Version: V3.25", false}, {"버전: V4.0", false}};
    for (const auto& [file, shown] : cases) {
        http_.Serve("Download//Downloader//manager_ver_e.txt", file);
        shell_.Clear();
        ASSERT_TRUE(Check());
        std::vector<Question> expected;
        if (shown) expected.push_back({file, "Downloaded program has been updated. ", Buttons::Ok});
        EXPECT_EQ(shell_.questions(), expected) << file;
    }
}

TEST(FirmwareTable, RowsAreReadInOrderAndMatchedOnEightCharacters) {
    const auto rows = ParseFirmwareTable("V4.2.0Kr FW_A\r\nV4.2.5KrX FW_B\nV4.3.0Us FW_C\r\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(FindFirmwareRow(rows, "V4.3.0Us")->folder, "FW_C");
    EXPECT_EQ(FindFirmwareRow(rows, "V4.2.5KrY")->folder, "FW_B");
    EXPECT_EQ(FindFirmwareRow(rows, "V4.0.0Kr"), nullptr);

    std::string many;
    for (int i = 0; i < 200; ++i) many += "V4.2.0Kr FW\r\n";
    EXPECT_EQ(ParseFirmwareTable(many).size(), kMaxFirmwareRows);
}

}  // namespace
}  // namespace orvane
