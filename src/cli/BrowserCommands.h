#pragma once

#include <string>
#include <vector>

#include "cli/CliApp.h"

namespace orvane::cli {

// Connects, selects the tabs in order (continent, country, region, sub-area;
// missing trailing numbers keep what the selection gives) and prints the list.
int CoursesCommand(const CliContext& context, const std::vector<int>& tabs);
// Connects, searches the catalogue and prints the result list.
int SearchCommand(const CliContext& context, const std::string& text);

}  // namespace orvane::cli
