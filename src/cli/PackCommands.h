#pragma once

#include <filesystem>

#include "cli/CliApp.h"

namespace orvane::cli {

// `pack IN OUT`: writes the bytes of IN as a packed record file.
int PackCommand(const CliContext& context, const std::filesystem::path& in,
                const std::filesystem::path& out);

// `unpack IN OUT`: writes what the packed record file IN decodes to.
int UnpackCommand(const CliContext& context, const std::filesystem::path& in,
                  const std::filesystem::path& out);

}  // namespace orvane::cli
