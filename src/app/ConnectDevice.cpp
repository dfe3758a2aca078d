#include "app/ConnectDevice.h"

#include <chrono>

#include "catalogue/CatalogueCounts.h"
#include "catalogue/Classification.h"
#include "catalogue/DeviceFiles.h"
#include "catalogue/ZoneLoaders.h"
#include "device/DeviceVolume.h"
#include "device/InterruptedWrites.h"
#include "device/VersionFile.h"
#include "records/RecordLists.h"
#include "server/ServerCheck.h"
#include "shell/ResultCode.h"
#include "shell/ShellTexts.h"
#include "shell/StringTable.h"
#include "util/Text.h"

namespace orvane {
namespace {

constexpr std::chrono::milliseconds kShortPause(10);

void LoadDeviceZones(Session& session) {
    Ui& ui = session.ui;
    CatalogueContext& context = session.catalogueContext;
    ui.SetProgress(400);
    ui.ShowStatus(message::AnalyzingClubList);
    ui.Pause(kShortPause);
    LoadDeviceZone(context, 0);

    ui.SetProgress(480);
    ui.ShowStatus(message::AnalyzingForeignClubList);
    ui.Pause(kShortPause);
    for (int zone : {1, 2, 3, 4}) LoadDeviceZone(context, zone);

    ui.SetProgress(560);
    for (int zone = 20; zone <= 27; ++zone) LoadDeviceZone(context, zone);

    for (int zone = 5; zone <= 19; ++zone) {
        ui.Pause(kShortPause);
        ui.SetProgress(700 + 10 * (zone - 5));
        ui.ShowStatusText(Format(std::string(ui.Text(text::UsaZoneProgress)).c_str(), zone));
        LoadDeviceZone(context, zone);
    }
}

// First-generation devices: every stored map is looked for, with a
// percentage against the number of courses the device should hold.
void CheckMapsWithProgress(Session& session) {
    Ui& ui = session.ui;
    ui.SetProgress(0);
    ui.ShowStatus(message::CheckingMapData);
    const int expected = CatalogueCounts(session.catalogue).ExpectedOnDevice();
    int looked = 1;
    CheckDeviceMaps(session.device, session.catalogue, [&] {
        if (expected != 0) {
            ui.SetProgress(looked * 980 / expected);
            ui.ShowStatusText(Format("%s ( %d %% )",
                                     std::string(ui.Message(message::CheckingMapData)).c_str(),
                                     looked * 100 / expected));
        }
        ++looked;
    });
}

void ReadRecordList(Session& session) {
    Ui& ui = session.ui;
    ui.SetProgress(850);
    ui.ShowStatus(message::AnalyzingUserData);
    ui.Pause(kShortPause);
    // The index is read here rather than kept by LoadDeviceFile: its list
    // belongs to the records layer, which the catalogue cannot know.
    const DeviceFileRead index = ReadDeviceFile(session.device, nullptr, "DataList.dat");
    session.deviceRecords =
        index.code == 0 ? buildDeviceRecordList(session.catalogue, index.bytes)
                        : std::vector<RecordEntry>{};
}

}  // namespace

bool ConnectDevice(Session& session) {
    Ui& ui = session.ui;
    DeviceLink& device = session.device;
    ui.SetProgress(300);
    ui.ShowStatus(message::ConnectingToUsb);
    ui.Pause(std::chrono::milliseconds(100));

    if (device.DeviceRoot.empty() || !EnsureFolder(device, device.DeviceRoot / "System")) {
        ui.Notify(text::ReconnectDevice);
        return false;
    }
    if (ReadVersionFile(device) != result::Ok) {
        ui.Notify(text::VersionUnreadable);
        ui.SetProgress(0);
    }
    UpdateDeviceVersionLine(device);
    RemoveInterruptedWrites(device, session.catalogueContext.workFolder);

    // The list and the search results point into the catalogue about to be
    // loaded again.
    session.browser.ForgetCourses();
    if (!ServerCheck(session.catalogueContext, session.server)) return false;

    LoadDeviceZones(session);
    ClassifyCourses(session.catalogue);
    if (device.ModelCode == kFirstGenerationModel) {
        CheckMapsWithProgress(session);
    } else {
        ReadRecordList(session);
    }
    ui.SetProgress(990);
    session.browser.SetUpForMarket();
    session.browser.ShowArea();
    ui.SetProgress(1000);
    ui.ShowStatus(message::ConnectionCompleted);
    return true;
}

}  // namespace orvane
