#pragma once

#include "cli/CliApp.h"

namespace orvane::cli {

int ConnectCommand(const CliContext& context);
int ZoneCommand(const CliContext& context, int zone);
int FirmwareCommand(const CliContext& context);

}  // namespace orvane::cli
