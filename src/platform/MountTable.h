#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace orvane {

inline constexpr const char* kSelfMountInfo = "/proc/self/mountinfo";

// One line of a mountinfo table: which block device is mounted where.
struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    // The folder of the mounted file system that appears at mountPoint; "/"
    // unless it is a bind mount of a subfolder of it.
    std::filesystem::path root;
    std::filesystem::path mountPoint;
};

// Reads text in the kernel's mountinfo format. Lines that do not parse are
// left out, so one odd line cannot hide the others.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// Nothing when the file cannot be read.
std::optional<std::vector<MountEntry>> ReadMountTable(
    const std::filesystem::path& path = kSelfMountInfo);

// Where the whole file system of device major:minor is reached; the first
// such mount when there are several. Nothing when it is not mounted.
std::optional<std::filesystem::path> MountPointOf(const std::vector<MountEntry>& table,
                                                  unsigned major, unsigned minor);

}  // namespace orvane
