#include "server/ServerCheck.h"

#include <chrono>

#include "catalogue/ZoneLoaders.h"
#include "net/Fetch.h"
#include "shell/StringTable.h"
#include "util/Scan.h"

namespace orvane {
namespace {

constexpr std::chrono::milliseconds kPause(100);

void TellOfNewerManager(CatalogueContext& context) {
    const bool korean = context.ui.language() == Language::Korean;
    const auto text =
        FetchToMemory(context.http, korean ? "Download//Downloader//manager_ver.txt"
                                           : "Download//Downloader//manager_ver_e.txt");
    if (!text) return;
    std::string label, version;
    ScanReader reader(*text, 0);
    reader.Token(label);
    reader.Token(version);
    if (label != context.ui.Text("버전:", "Version:") || !(version > kManagerVersion)) return;
    context.ui.Ask(std::string_view(*text).substr(0, text->find('\0')),
                   context.ui.Text("다운로드 프로그램이 업데이트 되었습니다. ",
                                   "Downloaded program has been updated. "),
                   Buttons::Ok);
}

// Every zone's lists, kept in memory as well so that loading them need not
// read the working folder back.
PerZone<FetchedZone> FetchClubLists(CatalogueContext& context) {
    const bool firstGeneration = context.device.ModelCode == kFirstGenerationModel;
    const std::string folder = "Download//" + context.device.CourseFolder;
    PerZone<FetchedZone> fetched;
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        const std::string_view name = ZoneTable[zone].catalogueName;
        fetched[zone].clubList =
            FetchToFileAndMemory(context.http, context.workFolder, folder, name);
        if (firstGeneration) {
            fetched[zone].aliasList = FetchToFileAndMemory(
                context.http, context.workFolder, "Download//Cour107", "_" + std::string(name));
        }
    }
    return fetched;
}

bool ConnectionLost(Ui& ui) {
    ui.Notify("서버 접속이 끊어졌습니다.", "The connection to the server has been lost.");
    ui.SetProgress(0);
    ui.ShowStatus(message::CheckInternetConnection);
    return false;
}

}  // namespace

bool ServerCheck(CatalogueContext& context, ServerState& server) {
    Ui& ui = context.ui;
    ui.SetProgress(0);
    ui.ShowStatus(message::ConnectingToServer);
    ui.Pause(kPause);
    if (!context.http.CheckInternet()) {
        ui.Notify("인터넷이 연결되어 있지 않습니다.", "No Internet connection.");
        ui.SetProgress(0);
        ui.ShowStatus(message::CheckInternetConnection);
        return false;
    }
    ui.SetProgress(100);
    ui.ShowStatus(message::ReceivingFromServer);
    ui.Pause(kPause);
    ui.Pause(kPause);

    TellOfNewerManager(context);

    const auto table = FetchToMemory(context.http, "Download//Firmware//TEKRA_Table.txt");
    if (!table) return ConnectionLost(ui);
    server.FirmwareTable = ParseFirmwareTable(*table);
    if (FindFirmwareRow(server.FirmwareTable, context.device.HardwareVersion) == nullptr)
        ui.Notify("알 수 없는 단말기 버전입니다.", "It's failed to check device version.");

    PerZone<FetchedZone> fetched = FetchClubLists(context);
    ui.SetProgress(200);
    ui.ShowStatus(message::AnalyzingClubList);
    ui.Pause(kPause);
    for (int zone = 0; zone < kZoneCount; ++zone)
        LoadCatalogueZone(context, zone, std::move(fetched[static_cast<std::size_t>(zone)]));
    if (context.device.ModelCode == kFirstGenerationModel) {
        for (int zone = 0; zone < kZoneCount; ++zone) {
            const std::string_view name = ZoneTable[static_cast<std::size_t>(zone)].catalogueName;
            auto references =
                FetchToFileAndMemory(context.http, context.workFolder, "Download//Cour107", name);
            LoadReferenceZone(context, zone, std::move(references));
        }
    }
    if (context.data.CatalogueTextLength[0] == 0) return ConnectionLost(ui);
    ui.SetProgress(300);
    ui.Pause(kPause);
    return true;
}

}  // namespace orvane
