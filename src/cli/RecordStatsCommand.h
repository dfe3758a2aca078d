#pragma once

#include <filesystem>

#include "cli/CliApp.h"

namespace orvane::cli {

// `records stats --dir DIR`: the statistics of the folder's rounds (rounds
// played, average and best strokes by length, the latest round, strokes to
// par per hole, each club's distances in metres, the strokes over time),
// found as `records saved` finds the folder's records.
int RecordsStatsCommand(const CliContext& context, const std::filesystem::path& dir);

}  // namespace orvane::cli
