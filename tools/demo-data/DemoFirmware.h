#pragma once

#include <filesystem>
#include <vector>

#include "DemoDevices.h"
#include "DemoRandom.h"

namespace orvane::demo {

// Writes the manager version files, the firmware table with a folder for
// each device family (its Ver.ini and a firmware image), under
// <server>/Download. The last family is offered a newer software version, so
// that the demo has an upgrade to show; the others are current.
void WriteFirmwareTree(const std::filesystem::path& server, const std::vector<DemoDevice>& devices,
                       DemoRandom& random);

}  // namespace orvane::demo
