#pragma once

#include <filesystem>
#include <optional>

#include "app/Session.h"
#include "device/VolumeSource.h"

namespace orvane {

// The window's look at the device: 300 ms after start and then once a
// second. While no device is known it looks for one (discovery, or the
// folder the person named once it holds a device); a device found is then
// connected (Connect). While a device is known it checks that its volume is
// still there, and when the volume went away the session forgets the device
// and the look for a device starts again. Nothing is checked while a
// transfer writes: a transfer whose device vanishes ends with its own
// messages.
class DeviceWatch {
public:
    enum class Outcome { Waiting, Found, Present, Lost };

    DeviceWatch(VolumeSource& volumes, std::optional<std::filesystem::path> namedFolder)
        : volumes_(volumes), namedFolder_(std::move(namedFolder)) {}

    // Short: a look at the volumes, never the connection.
    Outcome Look(Session& session);
    // The connection sequence for the device Look found.
    void Connect(Session& session);
    // The instrument-find command: the person picks the folder; when they
    // did, the connection runs. True when it ran.
    bool PickByHand(Session& session);

private:
    bool Locate(DeviceLink& device);

    VolumeSource& volumes_;
    std::optional<std::filesystem::path> namedFolder_;
    bool located_ = false;
    bool firstLook_ = true;
};

}  // namespace orvane
