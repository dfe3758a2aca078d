#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane::demo {

// Writes `bytes` to `path`, creating the folders on the way; throws when the
// file cannot be written.
void WriteDemoFile(const std::filesystem::path& path, std::string_view bytes);

// `utf8` in the Korean Windows code page; throws for a text it cannot hold.
std::string Cp949(std::string_view utf8);

}  // namespace orvane::demo
