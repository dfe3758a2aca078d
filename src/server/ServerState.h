#pragma once

#include <string>
#include <vector>

#include "server/FirmwareTable.h"

namespace orvane {

// What the server check and the firmware command keep between calls.
struct ServerState {
    std::vector<FirmwareRow> FirmwareTable;
    bool UpgradePending = false;
    // The version file of the firmware location, to be written to the device
    // once its image is stored.
    std::string PreparedVersionText;
    int UpgradeProgress = 0;
};

}  // namespace orvane
