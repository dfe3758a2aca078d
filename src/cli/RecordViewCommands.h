#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "cli/CliApp.h"
#include "records/ScoreCardState.h"

namespace orvane::cli {

// The record folder's commands. With --device the club names and course
// numbers come from a connected run's catalogue, so the clubs' course files
// are found; otherwise names come from the file names alone.

// `records saved --dir DIR`: the viewer's list, newest first: date, club,
// out, in, total.
int RecordsSavedCommand(const CliContext& context, const std::filesystem::path& dir);

// `records show FILE --dir DIR [--unit m|yd]`: the score card and each
// hole's shots with club and distance. The unit defaults to the card's:
// metres in Korean, yards in English.
int RecordsShowCommand(const CliContext& context, const std::filesystem::path& dir,
                       const std::string& file, std::optional<DistanceUnit> unit);

// `records export FILE --dir DIR [--gpx OUT] [--csv OUT] [--unit m|yd]`:
// the round's shots as GPX and as CSV (distances in metres by default).
struct ExportTargets {
    std::optional<std::filesystem::path> gpx;
    std::optional<std::filesystem::path> csv;
};
int RecordsExportCommand(const CliContext& context, const std::filesystem::path& dir,
                         const std::string& file, const ExportTargets& targets,
                         std::optional<DistanceUnit> unit);

// `records draw FILE --dir DIR [--hole N] --svg OUT`: hole N's view as the
// score card draws it, as an SVG picture.
int RecordsDrawCommand(const CliContext& context, const std::filesystem::path& dir,
                       const std::string& file, std::int32_t hole,
                       const std::filesystem::path& svg);

}  // namespace orvane::cli
