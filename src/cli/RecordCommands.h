#pragma once

#include <filesystem>
#include <vector>

#include "cli/CliApp.h"

namespace orvane::cli {

// `records`: connects and prints the device's record list: with --json in
// its own order (date, club as the save dialog shows it, device path), as
// text numbered in the save dialog's order.
int RecordsCommand(const CliContext& context);

// `records save --to DIR (--all | --rows N,...)`: saves the records of the
// save dialog's rows (counted from 1, newest first) into DIR.
int RecordsSaveCommand(const CliContext& context, const std::filesystem::path& to, bool all,
                       const std::vector<int>& rows);

}  // namespace orvane::cli
