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

TEST_F(FirmwareTest, CurrentFirmwareIsToldSo) {
    OfferVersion("V6.1.0Us V4.3.0Us\r\n");
    OnFirmwareCommand(context_, server_, false);
    const std::vector<Question> expected = {
        {"Firmware is the latest version.  \r\n\r\nNot need to be updated.", "Notice", Buttons::Ok}};
    EXPECT_EQ(shell_.questions(), expected);
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Zandrel.bin"));

    // A version file that is not of this family offers nothing either.
    OfferVersion("garbage");
    shell_.Clear();
    OnFirmwareCommand(context_, server_, false);
    EXPECT_EQ(shell_.questions(), expected);
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
    EXPECT_EQ(ui_.StatusText(),
              "Operation Completed. Disconnect USB, then device will apply the modification.");
    const auto questions = shell_.questions();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].buttons, Buttons::OkCancel);
    EXPECT_TRUE(questions[1].text.starts_with("Firmware upgrade has been completed."));
    EXPECT_EQ(shell_.statuses().front(),
              (StatusLine{146, "Upgrading Firmware.. It will take about 1 to 3 minutes for "
                               "completion."}));
}

TEST_F(FirmwareTest, CancelOrAFailedDownloadLeavesTheDeviceAlone) {
    OfferVersion("V6.2.0Us V4.3.0Us\r\n");
    shell_.ScriptAnswers({Answer::Cancel});
    OnFirmwareCommand(context_, server_, false);
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Zandrel.bin"));

    http_.Script("Download//Firmware//FW_430//Zandrel.bin", HttpResponse{200, "70000", "cut"});
    shell_.Clear();
    shell_.ScriptAnswers({Answer::Ok});
    OnFirmwareCommand(context_, server_, false);
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Zandrel.bin"));
    EXPECT_FALSE(std::filesystem::exists(deviceFolder_.path() / "System/Ver.ini"));
    EXPECT_EQ(shell_.statuses().back(), (StatusLine{162, "Download failed."}));
    EXPECT_EQ(shell_.questions().back(),
              (Question{"Firmware upgrade failed.  \r\n\r\nPlease try again.", "Notice",
                        Buttons::Ok}));
    EXPECT_EQ(shell_.progress().back(), 0);
}

}  // namespace
}  // namespace orvane
