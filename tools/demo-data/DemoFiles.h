#pragma once

#include <filesystem>
#include <string_view>

namespace orvane::demo {

// Writes `bytes` to `path`, creating the folders on the way; throws when the
// file cannot be written.
void WriteDemoFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace orvane::demo
