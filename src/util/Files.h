#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

// The whole content of a regular file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace orvane
