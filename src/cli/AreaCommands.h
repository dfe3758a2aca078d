#pragma once

#include "cli/CliApp.h"

namespace orvane::cli {

int AreasCommand(const CliContext& context);

}  // namespace orvane::cli
