#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "net/HttpClient.h"

namespace orvane {

// The body of `path`, exactly as long as its Content-Length. A response that
// is not 200, announces no length twice in a row, or is cut short is a failed
// fetch.
std::optional<std::string> FetchToMemory(HttpClient& http, std::string_view path);

// Fetches "<folder>//<name>" into the file `name` of `workFolder`, replacing
// it only when the whole body has arrived. Returns the length, or nothing on
// failure; a name that would leave the working folder is refused. The file is
// not flushed to the disk: the working folder's files are read back and
// deleted within the run.
std::optional<std::uint64_t> FetchToFile(HttpClient& http, const std::filesystem::path& workFolder,
                                         std::string_view folder, std::string_view name);

// FetchToFile that also returns the body it stored, for a caller that would
// otherwise read the file straight back.
std::optional<std::string> FetchToFileAndMemory(HttpClient& http,
                                                const std::filesystem::path& workFolder,
                                                std::string_view folder, std::string_view name);

}  // namespace orvane
