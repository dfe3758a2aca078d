#include "cli/RecordViewCommands.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/JsonOutput.h"
#include "cli/OutputFile.h"
#include "cli/RecordFolderView.h"
#include "records/CourseGeometry.h"
#include "records/HoleDrawing.h"
#include "records/HoleSvg.h"
#include "records/RecordViewer.h"
#include "records/RoundExport.h"
#include "records/ScoreCard.h"
#include "shell/StringTable.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane::cli {
namespace {

using nlohmann::ordered_json;

void PrintRows(const CliContext& context, const std::vector<RecordRow>& rows) {
    for (const RecordRow& row : rows) {
        for (std::size_t cell = 0; cell < row.cells.size(); ++cell)
            context.out << (cell == 0 ? "" : "\t") << DisplayText(row.cells[cell]);
        context.out << '\n';
    }
}

std::string Cell(const std::string& text) { return Format("%4s", text.c_str()); }

void PrintCard(const CliContext& context, const ScoreCardTexts& card, const RoundRecord& record) {
    const Language language = context.language;
    context.out << PickText(language, kClubLabel) << DisplayText(card.clubLine) << '\n'
                << PickText(language, kDateLabel) << DisplayText(card.dateLine) << '\n'
                << PickText(language, kTimeLabel) << card.timeLine << '\n'
                << DisplayText(card.courseLines[0]) << '\n'
                << DisplayText(card.courseLines[1]) << "\n\n";
    for (std::size_t half = 0; half < CardHalves(record); ++half) {
        std::string holes = Format("%-6s", std::string(PickText(language, kHoleHeading)).c_str());
        std::string pars = Format("%-6s", std::string(PickText(language, kParHeading)).c_str());
        std::string scores = Format("%-6s", std::string(PickText(language, kScoreHeading)).c_str());
        for (std::size_t i = 0; i < kHolesPerHalf; ++i) {
            const std::size_t hole = half * kHolesPerHalf + i;
            holes += Cell(std::to_string(hole + 1));
            pars += Cell(card.parCells[hole]);
            scores += Cell(card.scoreCells[hole]);
        }
        context.out << holes << "  " << PickText(language, kHalfHeadings[half]) << '\n'
                    << pars << "  " << card.parTotals[half] << '\n'
                    << scores << "  " << card.strokeTotals[half] << '\n';
    }
    context.out << card.totalLine << '\n';
}

void PrintShots(const CliContext& context, const RoundRecord& record,
                const CourseGeometry& geometry, DistanceUnit unit) {
    if (!geometry.loaded) {
        context.out << '\n'
                    << MessageText(message::CourseMapDownloadFailed, context.language) << '\n';
    }
    for (std::int32_t hole = 1; hole <= record.CardHoleCount(); ++hole) {
        const std::vector<PlayedShot> shots = CardHoleShots(geometry, record, hole);
        if (shots.empty()) continue;
        context.out << '\n' << Format("Hole %d", hole) << '\n';
        for (std::size_t k = 0; k < shots.size(); ++k) {
            const std::optional<Stroke>& stroke = shots[k].stroke;
            if (!stroke) {
                context.out << Format("  %2zu  %s\n", k + 1,
                                      std::string(PickText(context.language, kHoledOut)).c_str());
                continue;
            }
            context.out << Format("  %2zu  club %2d  %5s %s\n", k + 1, stroke->club,
                                  DistanceText(stroke->metres, unit).c_str(), UnitSymbol(unit));
        }
    }
}

ordered_json CardJson(const RecordEntry& entry, const ScoreCardTexts& card,
                      const CourseGeometry& geometry, DistanceUnit unit, Language language) {
    const RoundRecord& record = *entry.record;
    ordered_json holes = ordered_json::array();
    for (std::int32_t hole = 1; hole <= record.CardHoleCount(); ++hole) {
        const std::size_t index = static_cast<std::size_t>(hole - 1);
        ordered_json shots = ordered_json::array();
        const std::vector<PlayedShot> played = CardHoleShots(geometry, record, hole);
        for (std::size_t k = 0; k < played.size(); ++k) {
            const PlayedShot& shot = played[k];
            shots.push_back(
                {{"shot", k + 1},
                 {"club", shot.stroke ? ordered_json(shot.stroke->club) : ordered_json(nullptr)},
                 {"east", shot.at.longitude},
                 {"north", shot.at.latitude},
                 {"distance", shot.stroke ? ordered_json(DistanceText(shot.stroke->metres, unit))
                                          : ordered_json(nullptr)}});
        }
        holes.push_back({{"hole", hole},
                         {"par", card.parCells[index]},
                         {"score", card.scoreCells[index]},
                         {"shots", shots}});
    }
    return {{"club", ShownClubName(entry, language)},
            {"date", entry.date.substr(0, 10)},
            {"time", card.timeLine.substr(4)},
            {"courses", {record.frontCourseName, record.backCourseName}},
            {"unit", UnitSymbol(unit)},
            {"map", geometry.loaded != 0},
            {"holes", holes},
            {"out", {{"par", card.parTotals[0]}, {"strokes", card.strokeTotals[0]}}},
            {"in", {{"par", card.parTotals[1]}, {"strokes", card.strokeTotals[1]}}},
            {"total", card.totalLine}};
}

}  // namespace

int RecordsSavedCommand(const CliContext& context, const std::filesystem::path& dir) {
    RecordFolderView view(context, dir);
    const std::vector<RecordEntry>& entries = view.entries();
    const std::vector<RecordRow> rows = SortedViewerRows(entries, context.language);
    if (!context.json) {
        PrintRows(context, rows);
        return 0;
    }
    ordered_json list = ordered_json::array();
    for (const RecordRow& row : rows) {
        list.push_back({{"date", row.cells[0]},
                        {"club", row.cells[1]},
                        {"out", row.cells[2]},
                        {"in", row.cells[3]},
                        {"total", row.cells[4]},
                        {"file", entries[row.entry].fileName}});
    }
    PrintJson(context.out, std::move(list));
    return 0;
}

int RecordsShowCommand(const CliContext& context, const std::filesystem::path& dir,
                       const std::string& file, std::optional<DistanceUnit> unit) {
    RecordFolderView view(context, dir);
    CourseGeometry geometry;
    const RecordEntry* entry = view.Open(context, file, geometry);
    if (!entry) return 1;
    ScoreCardState state;
    state.Open(context.language);
    const DistanceUnit shown = unit.value_or(state.unit());
    const ScoreCardTexts card = BuildScoreCard(*entry, context.language);
    if (context.json) {
        PrintJson(context.out, CardJson(*entry, card, geometry, shown, context.language));
        return 0;
    }
    PrintCard(context, card, *entry->record);
    PrintShots(context, *entry->record, geometry, shown);
    return 0;
}

int RecordsExportCommand(const CliContext& context, const std::filesystem::path& dir,
                         const std::string& file, const ExportTargets& targets,
                         std::optional<DistanceUnit> unit) {
    RecordFolderView view(context, dir);
    CourseGeometry geometry;
    const RecordEntry* entry = view.Open(context, file, geometry);
    if (!entry) return 1;
    const std::string title = RoundTitle(*entry, context.language);
    if (targets.gpx &&
        !WriteOutputFile(context, *targets.gpx, RoundGpx(*entry->record, geometry, title)))
        return 1;
    if (targets.csv &&
        !WriteOutputFile(context, *targets.csv,
                         RoundCsv(*entry->record, geometry, unit.value_or(DistanceUnit::Metres))))
        return 1;
    return 0;
}

int RecordsDrawCommand(const CliContext& context, const std::filesystem::path& dir,
                       const std::string& file, std::int32_t hole,
                       const std::filesystem::path& svg) {
    RecordFolderView view(context, dir);
    CourseGeometry geometry;
    const RecordEntry* entry = view.Open(context, file, geometry);
    if (!entry) return 1;
    const HoleDrawing drawing = DrawHole(geometry, *entry->record, hole, kHoleViewRect);
    const std::string picture =
        HoleSvg(drawing, kHoleViewRect, kHoleCanvas,
                MessageText(message::CourseMapDownloadFailed, context.language));
    return WriteOutputFile(context, svg, picture) ? 0 : 1;
}

}  // namespace orvane::cli
