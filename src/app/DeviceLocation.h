#pragma once

#include <filesystem>
#include <optional>

#include "app/Session.h"
#include "device/VolumeSource.h"

namespace orvane {

// The device the front end was told to use (--device), else the first the
// discovery rules accept among the mounted USB volumes, then the connection
// sequence. A named folder is taken as it is: its faults are the
// connection's to report. True when the sequence ran to its end.
bool LocateAndConnect(Session& session, VolumeSource& volumes,
                      const std::optional<std::filesystem::path>& namedFolder);

// The instrument-find command: the person picks the device's folder by hand.
// False, changing nothing, when they cancel or while a transfer runs (the
// catalogue the transfer stores from must not be loaded again under it);
// true when the folder is the device now and the connection is due.
bool PickDeviceByHand(Session& session);

// Whether the device the session is connected to is still there: its root
// is a folder holding System/Ver.ini. A volume that was pulled out fails.
bool DevicePresent(const DeviceLink& device);

// Whether `folder` holds a device of this family now (its version file
// reads), without touching the session.
bool FolderHoldsDevice(const std::filesystem::path& folder);

// The device went away: its values, the catalogue compared with it, its
// records and the list are dropped, and the browser shows what it shows
// before any device. The status line says the device was disconnected.
void ForgetDevice(Session& session);

}  // namespace orvane
