#pragma once

#include <filesystem>
#include <string_view>

#include "cli/CliApp.h"

namespace orvane::cli {

// Writes a file a command produces, whole or not at all; on failure says
// why on standard error in the chosen language and returns false.
bool WriteOutputFile(const CliContext& context, const std::filesystem::path& out,
                     std::string_view bytes);

}  // namespace orvane::cli
