#include "app/DeviceWatch.h"

#include "app/ConnectDevice.h"
#include "app/DeviceLocation.h"
#include "device/Discovery.h"
#include "shell/StringTable.h"

namespace orvane {

bool DeviceWatch::Locate(DeviceLink& device) {
    if (namedFolder_) return FolderHoldsDevice(*namedFolder_) && PickDeviceRoot(device, *namedFolder_);
    // A folder picked by hand that did not connect is not looked at again.
    device.DeviceRootPicked = false;
    return FindDevice(device, volumes_);
}

DeviceWatch::Outcome DeviceWatch::Look(Session& session) {
    if (located_) {
        if (session.transfer.Busy() || DevicePresent(session.device)) return Outcome::Present;
        located_ = false;
        ForgetDevice(session);
        return Outcome::Lost;
    }
    const bool first = firstLook_;
    firstLook_ = false;
    if (!Locate(session.device)) {
        if (first) session.ui.ShowStatus(message::WaitingForUsb);
        return Outcome::Waiting;
    }
    session.ui.ShowStatus(message::WaitingForUsb);
    return Outcome::Found;
}

void DeviceWatch::Connect(Session& session) {
    ConnectDevice(session);
    located_ = DevicePresent(session.device);
}

bool DeviceWatch::PickByHand(Session& session) {
    if (!PickDeviceByHand(session)) return false;
    Connect(session);
    return true;
}

}  // namespace orvane
