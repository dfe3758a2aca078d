#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/CliApp.h"

namespace orvane::cli {

// What `download` was asked to store: the named rows of the chosen tabs (the
// select button), the shown area's added and modified rows (the area
// button), or one of the zone commands by its name.
struct DownloadRequest {
    std::vector<int> tabs;
    std::vector<std::string> names;
    bool area = false;
    std::optional<std::string> command;
};

// The zone commands' names on the command line.
std::vector<std::string> ZoneCommandNames();

// Connect, choose, and run the transfer step by step to its end. 0 after the
// completion message, 1 after a refusal or failure (its text on stderr).
int DownloadCommand(const CliContext& context, const DownloadRequest& request);
// Connect, check the named rows of the chosen tabs and delete their maps.
int DeleteCommand(const CliContext& context, const std::vector<int>& tabs,
                  const std::vector<std::string>& names);

}  // namespace orvane::cli
