#pragma once

#include "catalogue/CatalogueContext.h"
#include "server/ServerState.h"

namespace orvane {

// The version of this program, compared byte-wise with the server's.
inline constexpr std::string_view kManagerVersion = "V3.25";

// Tests the server, tells of a newer manager, reads the firmware table and
// fetches and loads the club lists of all zones. False when the server cannot
// be reached or the firmware table or the Korea club list cannot be had.
bool ServerCheck(CatalogueContext& context, ServerState& server);

}  // namespace orvane
