#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>

#include "shell/Language.h"

namespace orvane::gui {

// The window's command line, with the command line tool's options and
// meanings: --device DIR, --server URL, --workdir DIR, --lang ko|en.
struct ManagerOptions {
    std::optional<std::filesystem::path> device;
    // --server, else ORVANE_SERVER, else the build's default.
    std::string server;
    std::filesystem::path workFolder;
    // --lang, else the locale.
    Language language = Language::English;
    // Where the mounted volumes are read from (ORVANE_MOUNTINFO for tests).
    std::string mountInfoPath = "/proc/self/mountinfo";
};

// Nothing after printing the usage or an error (the program then ends).
std::optional<ManagerOptions> ParseManagerOptions(const QStringList& arguments);

}  // namespace orvane::gui
