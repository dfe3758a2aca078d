#include "app/DeviceLocation.h"

#include <sys/stat.h>

#include "app/ConnectDevice.h"
#include "device/Discovery.h"
#include "device/VersionFile.h"
#include "shell/FrontEndTexts.h"
#include "shell/ResultCode.h"

namespace orvane {

bool LocateAndConnect(Session& session, VolumeSource& volumes,
                      const std::optional<std::filesystem::path>& namedFolder) {
    if (namedFolder) {
        PickDeviceRoot(session.device, *namedFolder);
    } else {
        FindDevice(session.device, volumes);
    }
    return ConnectDevice(session);
}

bool PickDeviceByHand(Session& session) {
    if (session.transfer.Busy()) {
        session.ui.Notify(text::NotFinishedDownloading);
        return false;
    }
    const std::optional<std::filesystem::path> folder = session.ui.PickFolder();
    return folder && PickDeviceRoot(session.device, *folder);
}

bool DevicePresent(const DeviceLink& device) {
    if (device.DeviceRoot.empty()) return false;
    struct stat info {};
    const std::filesystem::path version = device.DeviceRoot / "System" / "Ver.ini";
    return ::stat(version.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool FolderHoldsDevice(const std::filesystem::path& folder) {
    DeviceLink scratch;
    scratch.DeviceRoot = folder;
    return DevicePresent(scratch) && ReadVersionFile(scratch) == result::Ok;
}

void ForgetDevice(Session& session) {
    session.browser.ForgetCourses();
    session.device = DeviceLink{};
    session.catalogue = CatalogueData{};
    session.deviceRecords.clear();
    session.browser.RebuildBrowser();
    session.ui.ShowStatusText(std::string(session.ui.Text(text::DeviceDisconnected)));
}

}  // namespace orvane
