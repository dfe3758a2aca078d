#pragma once

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "device/DeviceLink.h"

namespace orvane::cli {

// The device values as `device-info --json` prints them; other commands
// embed the same object.
nlohmann::ordered_json DeviceJson(const DeviceLink& link, std::uint32_t freeBytes,
                                  int versionResult);

int DevicesCommand(const CliContext& context);
int DeviceInfoCommand(const CliContext& context);

}  // namespace orvane::cli
