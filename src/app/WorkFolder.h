#pragma once

#include <filesystem>
#include <optional>

#include "shell/Language.h"

namespace orvane {

// Where fetched files are kept while they are read: the folder the person
// named, else $XDG_CACHE_HOME/orvane-manager, else ~/.cache/orvane-manager.
// Created when missing.
std::filesystem::path PrepareWorkFolder(const std::optional<std::filesystem::path>& named,
                                        const EnvironmentLookup& getEnv);

}  // namespace orvane
