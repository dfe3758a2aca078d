#pragma once

#include <nlohmann/json.hpp>

#include "cli/CliApp.h"

namespace orvane::cli {

// The whole area hierarchy as `areas --json` prints it.
nlohmann::ordered_json AreasJson();

int AreasCommand(const CliContext& context);

}  // namespace orvane::cli
