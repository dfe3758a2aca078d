#include "net/Fetch.h"

#include <cstdlib>

#include "util/SafeFile.h"

namespace orvane {
namespace {

// Leading blanks skipped, conversion stops at the first non-digit.
std::optional<std::uint64_t> ParseContentLength(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    const unsigned long long value = std::strtoull(begin, &end, 10);
    if (end == begin) return std::nullopt;
    return value;
}

// The announced length of a usable response; nothing when it cannot be read.
std::optional<std::uint64_t> AnnouncedLength(const HttpResponse& response) {
    if (!response.contentLength) return std::nullopt;
    return ParseContentLength(*response.contentLength);
}

}  // namespace

std::optional<std::string> FetchToMemory(HttpClient& http, std::string_view path) {
    auto response = http.Get(path);
    if (!response) return std::nullopt;
    auto length = AnnouncedLength(*response);
    if (!length) {
        // The length query gets one more try on a fresh request.
        response = http.Get(path);
        if (!response) return std::nullopt;
        length = AnnouncedLength(*response);
        if (!length) return std::nullopt;
    }
    // A 404 page or a cut-off body must never pass for the file.
    if (response->status != 200 || response->body.size() != *length) return std::nullopt;
    return std::move(response->body);
}

std::optional<std::string> FetchToFileAndMemory(HttpClient& http,
                                                const std::filesystem::path& workFolder,
                                                std::string_view folder, std::string_view name) {
    if (!IsSafeFileName(name)) return std::nullopt;
    std::string path = std::string(folder) + "//" + std::string(name);
    auto body = FetchToMemory(http, path);
    if (!body) return std::nullopt;
    if (!WriteFileAtomically(workFolder / name, *body, nullptr, Durability::Unflushed))
        return std::nullopt;
    return body;
}

std::optional<std::uint64_t> FetchToFile(HttpClient& http, const std::filesystem::path& workFolder,
                                         std::string_view folder, std::string_view name) {
    const auto body = FetchToFileAndMemory(http, workFolder, folder, name);
    if (!body) return std::nullopt;
    return body->size();
}

}  // namespace orvane
