#pragma once

#include "catalogue/CatalogueContext.h"
#include "server/ServerState.h"

namespace orvane {

// An upgrade is pending when the firmware location of the device's hardware
// has a version file that reads as this family's and names other versions
// than the device's. Sets UpgradePending and the version text to write.
bool DetectPendingUpgrade(CatalogueContext& context, ServerState& server);

// The firmware command: checks the device and that no transfer runs, then
// either tells that the firmware is current or, after an OK, stores the new
// image and version file on the device.
void OnFirmwareCommand(CatalogueContext& context, ServerState& server, bool transferBusy);

}  // namespace orvane
