#pragma once

#include "app/Session.h"

namespace orvane {

// The connection sequence: makes sure of the device's System folder, reads
// its version, checks the server and loads the catalogue, loads and
// classifies the device's club lists and looks at its maps or records.
// Returns true when it ran to the end.
bool ConnectDevice(Session& session);

}  // namespace orvane
