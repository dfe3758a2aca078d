#include "platform/MountTable.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string>

namespace orvane {
namespace {

// The kernel writes space, tab, newline and backslash in paths as "\ooo"; any
// other backslash is taken literally.
std::string DecodeOctalEscapes(std::string_view field) {
    const auto isOctal = [&](std::size_t at) {
        return at < field.size() && field[at] >= '0' && field[at] <= '7';
    };
    std::string decoded;
    decoded.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        // The first digit stays below 4 so that the value fits in a byte.
        if (field[i] == '\\' && isOctal(i + 1) && field[i + 1] <= '3' && isOctal(i + 2) &&
            isOctal(i + 3)) {
            decoded += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                                         (field[i + 3] - '0'));
            i += 3;
        } else {
            decoded += field[i];
        }
    }
    return decoded;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t begin = line.find_first_not_of(" \t", at);
        if (begin == std::string_view::npos) break;
        const std::size_t end = std::min(line.find_first_of(" \t", begin), line.size());
        fields.push_back(line.substr(begin, end - begin));
        at = end;
    }
    return fields;
}

bool ParseNumber(std::string_view text, unsigned& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && !text.empty();
}

std::optional<MountEntry> ParseLine(std::string_view line) {
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() < 5) return std::nullopt;
    const std::string_view device = fields[2];
    const std::size_t colon = device.find(':');
    MountEntry entry;
    if (colon == std::string_view::npos || !ParseNumber(device.substr(0, colon), entry.major) ||
        !ParseNumber(device.substr(colon + 1), entry.minor)) {
        return std::nullopt;
    }
    entry.root = DecodeOctalEscapes(fields[3]);
    entry.mountPoint = DecodeOctalEscapes(fields[4]);
    return entry;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(std::string_view text) {
    std::vector<MountEntry> table;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        if (auto entry = ParseLine(text.substr(at, end - at))) table.push_back(std::move(*entry));
        at = end + 1;
    }
    return table;
}

std::optional<std::vector<MountEntry>> ReadMountTable(const std::filesystem::path& path) {
    // /proc files report a size of zero, so read to the end rather than by size.
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return ParseMountInfo(text);
}

std::optional<std::filesystem::path> MountPointOf(const std::vector<MountEntry>& table,
                                                  unsigned major, unsigned minor) {
    for (const MountEntry& entry : table) {
        // A bind mount of a subfolder would put the device root in the wrong place.
        if (entry.major == major && entry.minor == minor && entry.root == "/") {
            return entry.mountPoint;
        }
    }
    return std::nullopt;
}

}  // namespace orvane
