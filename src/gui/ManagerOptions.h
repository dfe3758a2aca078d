#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// Nothing after printing an error (the program then ends).
std::optional<ManagerOptions> ParseManagerOptions(const QStringList& arguments);

// What --help (-h) or --version asks for, in the language --lang or the locale
// chooses; nothing when neither is given. Answered before the window system is
// reached, so that both work without a display.
std::optional<std::string> ManagerInformation(const std::vector<std::string>& arguments,
                                              std::string_view version,
                                              const EnvironmentLookup& getEnv);

}  // namespace orvane::gui
