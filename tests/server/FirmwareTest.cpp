#include <gtest/gtest.h>

#include "server/Firmware.h"
#include "support/CatalogueFixture.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;

class FirmwareTest : public testing::CatalogueFixture {
protected:
    FirmwareTest() {
        device_.SoftwareVersion = "V6.1.0Us";
        device_.HardwareVersion = "V4.3.0Us";
        server_.FirmwareTable = {{"V4.3.0Us", "FW_430"}};
        std::filesystem::create_directories(deviceFolder_.path() / "System");
    }

    void OfferVersion(std::string text) {
        http_.Serve("Download//Firmware//FW_430//Ver.ini", std::move(text));
        http_.Serve("Download//Firmware//FW_430//Zandrel.bin", std::string(70000, 'F'));
    }

    ServerState server_;
};

// A version file that is not of this family offers nothing either.
TEST_F(FirmwareTest, CurrentOrForeignFirmwareIsTheLatest) {
    const std::vector<Question> latest = {
        {"Firmware is the latest version.  \r\n\r\nNot need to be updated.", "Notice",
         Buttons::Ok}};
    for (const char* offered : {"V6.1.0Us V4.3.0Us\r\n", "garbage"}) {
        OfferVersion(offered);
        shell_.Clear();
        OnFirmwareCommand(context_, server_, false);
        EXPECT_EQ(shell_.questions(), latest) << offered;
    }
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Zandrel.bin"));
}

TEST_F(FirmwareTest, NoDeviceOrARunningTransferRefuses) {
    ui_.SetLanguage(Language::Korean);
    OnFirmwareCommand(context_, server_, true);
    device_.DeviceRoot = deviceFolder_.path() / "unplugged";
    OnFirmwareCommand(context_, server_, false);
    const std::vector<Question> expected = {{"다운로드 중 입니다.", "알림", Buttons::Ok},
                                            {"기기를 연결 하십시요.", "알림", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    EXPECT_TRUE(http_.requests().empty());
}

TEST_F(FirmwareTest, AnAcceptedUpgradeStoresImageAndVersion) {
    OfferVersion("V6.2.0Us V4.3.0Us build 7\r\n");
    shell_.ScriptAnswers({Answer::Ok});
    OnFirmwareCommand(context_, server_, false);

    EXPECT_EQ(ReadWholeFile(deviceFolder_.path() / "System/Zandrel.bin"), std::string(70000, 'F'));
    EXPECT_EQ(ReadWholeFile(deviceFolder_.path() / "System/Ver.ini"), "V6.2.0Us V4.3.0Us");
    EXPECT_FALSE(server_.UpgradePending);
    EXPECT_EQ(device_.DeviceVersionLine, "Device Version(SW/HW): V6.2.0Us / V4.3.0Us");
    const auto questions = shell_.questions();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].buttons, Buttons::OkCancel);
    EXPECT_TRUE(questions[1].text.starts_with("Firmware upgrade has been completed."));
}

TEST_F(FirmwareTest, AFailedDownloadLeavesTheDeviceAlone) {
    OfferVersion("V6.2.0Us V4.3.0Us\r\n");
    http_.Script("Download//Firmware//FW_430//Zandrel.bin", HttpResponse{200, "70000", "cut"});
    shell_.ScriptAnswers({Answer::Ok});
    OnFirmwareCommand(context_, server_, false);
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Zandrel.bin"));
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Ver.ini"));
    EXPECT_EQ(
        shell_.questions().back(),
        (Question{"Firmware upgrade failed.  \r\n\r\nPlease try again.", "Notice", Buttons::Ok}));
}

}  // namespace
}  // namespace orvane
