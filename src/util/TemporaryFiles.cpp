#include "util/TemporaryFiles.h"

#include <algorithm>
#include <system_error>

namespace orvane {
namespace {

constexpr std::string_view kUniqueTail = "XXXXXX";

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string TemporaryNamePattern(std::string_view fileName) {
    return "." + std::string(fileName) + "." + std::string(kUniqueTail);
}

bool IsTemporaryName(std::string_view name) {
    // ".", at least one character of the name, ".", the unique tail.
    if (name.size() < kUniqueTail.size() + 3 || name.front() != '.') return false;
    const std::string_view tail = name.substr(name.size() - kUniqueTail.size());
    return name[name.size() - kUniqueTail.size() - 1] == '.' &&
           std::all_of(tail.begin(), tail.end(), IsLetterOrDigit);
}

int RemoveTemporaryFiles(const std::filesystem::path& folder, int depth) {
    int removed = 0;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        // symlink_status: a link is neither followed nor removed.
        const auto status = item.symlink_status(error);
        if (error) continue;
        if (std::filesystem::is_directory(status)) {
            if (depth > 0) removed += RemoveTemporaryFiles(item.path(), depth - 1);
        } else if (std::filesystem::is_regular_file(status) &&
                   IsTemporaryName(item.path().filename().string()) &&
                   std::filesystem::remove(item.path(), error)) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace orvane
