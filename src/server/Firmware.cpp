#include "server/Firmware.h"

#include <cerrno>

#include "catalogue/DeviceFiles.h"
#include "device/VersionFile.h"
#include "net/Fetch.h"
#include "shell/ResultCode.h"
#include "shell/ShellTexts.h"
#include "shell/StringTable.h"
#include "util/Files.h"

namespace orvane {
namespace {

constexpr std::size_t kPreparedVersionLength = 17;

std::optional<std::string> FirmwareLocation(const CatalogueContext& context,
                                            const ServerState& server) {
    const FirmwareRow* row = FindFirmwareRow(server.FirmwareTable, context.device.HardwareVersion);
    if (row == nullptr) return std::nullopt;
    return "Download//Firmware//" + row->folder;
}

// Stores the image and reads it back: only bytes seen on the device count.
int StoreImage(CatalogueContext& context, const ServerState& server) {
    const auto location = FirmwareLocation(context, server);
    if (!location) {
        context.ui.Ask("서버접속이 끊어졌습니다. \r\n이 프로그램 껐다가 다시 켜서 시도하여 주십시오.",
                       "The connection to the server has been lost. \r\nPlease try to restart this program.",
                       Title::Warning, Buttons::Ok);
        return result::NoDevice;
    }
    const auto image = FetchToMemory(context.http, *location + "//Zandrel.bin");
    if (!image) return result::Rejected;
    const auto path = context.device.DeviceRoot / "System" / "Zandrel.bin";
    const int written = WriteDeviceFile(context.device, context.ui, path, *image);
    if (written != result::Ok) return written;
    return ReadFileBytes(path) == image ? result::Ok : result::Rejected;
}

void FinishUpgrade(CatalogueContext& context, ServerState& server) {
    Ui& ui = context.ui;
    server.UpgradePending = false;
    WriteDeviceFile(context.device, ui, context.device.DeviceRoot / "System" / "Ver.ini",
                    server.PreparedVersionText);
    ui.ShowStatusText(std::string(
        ui.Text("완료 되었습니다. USB를 분리하고 기기의 전원을 다시 켜야 적용 됩니다.",
                "Operation Completed. Disconnect USB, then device will apply the modification.")));
    DeviceLink upgraded;
    ApplyVersionText(upgraded, server.PreparedVersionText);
    UpdateDeviceVersionLine(upgraded);
    context.device.DeviceVersionLine = upgraded.DeviceVersionLine;
    ui.Notify(
        "펌웨어 업그레이드가 완료되었습니다.\r\n\r\nUSB 연결을 분리하고 5초이상 기다리신 후,\r\n\r\n"
        "녹색/적색 LED가 깜빡이면 기기의 전원을 껐다가 다시 켜주십시오.  ",
        "Firmware upgrade has been completed.\r\n\r\nDisconnect the USB connection, and wait for "
        "more than 5 seconds until the green / red LED flashes, then turn the device's power off "
        "and on again.  ");
    server.UpgradeProgress = 0;
}

void RunUpgrade(CatalogueContext& context, ServerState& server) {
    Ui& ui = context.ui;
    const Answer answer = ui.Ask(
        "확인을 누르시면 펌웨어 업그레이드를 시작합니다.\r\n\r\n업그레이드는 인터넷의 사정에 따라 "
        "다소 오래 걸릴 수 있습니다.\r\n\r\n통상적으로 1~3분 정도 소요됩니다.\r\n\r\n업그레이가 "
        "끝난 후에는 반드시 기기와 이 프로그램을 다시 켜주십시오.  ",
        "Press OK to start the firmware upgrade.  \r\n\r\nUpgrade may take longer depending on the "
        "circumstances of the Internet.  \r\n\r\nTypically takes about 1-3 minutes.\r\n\r\nAfter "
        "the upgrade is finished, please turn on the device and the program again.  ",
        Title::Notice, Buttons::OkCancel);
    if (answer != Answer::Ok) return;
    ui.SetProgress(server.UpgradeProgress);
    ui.ShowStatus(message::UpgradingFirmware);
    const int stored = StoreImage(context, server);
    ui.SetProgress(1000);
    if (stored != result::Ok) {
        ui.SetProgress(0);
        ui.ShowStatus(message::DownloadFailed);
        ui.Notify("펌웨어 업그레이드에 실패했습니다.  \r\n\r\n다시 시도 바랍니다.",
                  "Firmware upgrade failed.  \r\n\r\nPlease try again.");
        return;
    }
    FinishUpgrade(context, server);
}

}  // namespace

bool DetectPendingUpgrade(CatalogueContext& context, ServerState& server) {
    server.UpgradePending = false;
    const auto location = FirmwareLocation(context, server);
    if (!location) return false;
    const auto text = FetchToMemory(context.http, *location + "//Ver.ini");
    if (!text) return false;
    DeviceLink offered;
    if (ApplyVersionText(offered, *text) != result::Ok || offered.HardwareVersion.empty())
        return false;
    if (offered.SoftwareVersion == context.device.SoftwareVersion &&
        offered.HardwareVersion == context.device.HardwareVersion)
        return false;
    server.PreparedVersionText = text->substr(0, std::min(text->find('\0'), kPreparedVersionLength));
    server.UpgradePending = true;
    return true;
}

void OnFirmwareCommand(CatalogueContext& context, ServerState& server, bool transferBusy) {
    Ui& ui = context.ui;
    std::error_code error;
    if (context.device.DeviceRoot.empty() ||
        !std::filesystem::is_directory(context.device.DeviceRoot, error)) {
        context.device.LastDeviceError = static_cast<std::uint32_t>(error ? error.value() : ENOENT);
        ui.Notify("기기를 연결 하십시요.", "Please connect the device.");
        return;
    }
    if (transferBusy) {
        ui.Notify(text::NotFinishedDownloading);
        return;
    }
    DetectPendingUpgrade(context, server);
    if (!server.UpgradePending) {
        ui.Notify("펌웨어가 최신 버전입니다.  \r\n\r\n업데이트가 필요 없습니다.",
                  "Firmware is the latest version.  \r\n\r\nNot need to be updated.");
        return;
    }
    RunUpgrade(context, server);
}

}  // namespace orvane
