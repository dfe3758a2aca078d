#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/TerminalShell.h"
#include "device/VolumeSource.h"
#include "shell/Language.h"
#include "shell/ShellTexts.h"

namespace orvane::cli {

// What every command may read: the global options and where to write.
struct CliContext {
    std::optional<std::filesystem::path> device;
    Language language = Language::English;
    bool json = false;
    std::optional<GivenAnswer> answer;
    std::string mountInfoPath = "/proc/self/mountinfo";
    std::optional<std::string> server;
    std::optional<std::filesystem::path> workdir;
    std::ostream& out;
    std::ostream& err;

    std::unique_ptr<VolumeSource> MakeVolumeSource() const;
    // --workdir, else the user's cache folder; created when missing.
    std::filesystem::path WorkFolder() const;
    // "orvane-cli: <text>" on standard error in the chosen language.
    void Say(TextPair text) const;
};

int Run(int argc, char** argv);
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::cli
