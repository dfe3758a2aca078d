#include "app/WorkFolder.h"

namespace orvane {

std::filesystem::path PrepareWorkFolder(const std::optional<std::filesystem::path>& named,
                                        const EnvironmentLookup& getEnv) {
    std::filesystem::path folder;
    if (named) {
        folder = *named;
    } else if (const char* cache = getEnv("XDG_CACHE_HOME"); cache && *cache) {
        folder = std::filesystem::path(cache) / "orvane-manager";
    } else {
        const char* home = getEnv("HOME");
        folder = std::filesystem::path(home ? home : "/tmp") / ".cache" / "orvane-manager";
    }
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace orvane
