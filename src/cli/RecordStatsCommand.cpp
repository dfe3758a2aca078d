#include "cli/RecordStatsCommand.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/JsonOutput.h"
#include "cli/RecordFolderView.h"
#include "records/Clubs.h"
#include "records/PlayedShots.h"
#include "records/RecordLists.h"
#include "records/RoundStatistics.h"
#include "records/RoundStatisticsTexts.h"
#include "records/ScoreCard.h"

namespace orvane::cli {
namespace {

using nlohmann::ordered_json;

// A statistics view over the folder's entries in the chosen language.
class StatisticsPrinter {
public:
    StatisticsPrinter(const CliContext& context, const std::vector<RecordEntry>& entries)
        : context_(context), entries_(entries), statistics_(ComputeRoundStatistics(entries)) {}

    ordered_json Json() const {
        ordered_json holes = ordered_json::array();
        for (std::size_t hole = 0; hole < kRecordHoles; ++hole) {
            const WholeMean& toPar = statistics_.holeToPar[hole];
            holes.push_back({{"hole", hole + 1}, {"rounds", toPar.count}, {"toPar", Json(toPar)}});
        }
        ordered_json clubs = ordered_json::array();
        for (const auto& [club, distances] : statistics_.clubs) {
            clubs.push_back({{"club", club},
                             {"label", ClubLabel(club)},
                             {"name", ClubName(club, language())},
                             {"count", distances.count},
                             {"median", Metres(distances.median)},
                             {"longest", Metres(distances.longest)}});
        }
        ordered_json series = ordered_json::array();
        for (const PlayedRound& round : statistics_.series) series.push_back(JsonWithHoles(round));
        return {{"rounds",
                 {{"all", statistics_.series.size()},
                  {"eighteen", statistics_.eighteen.strokes.count},
                  {"nine", statistics_.nine.strokes.count}}},
                {"average",
                 {{"eighteen", Json(statistics_.eighteen.strokes)},
                  {"nine", Json(statistics_.nine.strokes)}}},
                {"best",
                 {{"eighteen", Json(statistics_.eighteen.best)},
                  {"nine", Json(statistics_.nine.best)}}},
                {"latest", JsonWithHoles(statistics_.Latest())},
                {"holes", holes},
                {"clubs", clubs},
                {"series", series}};
    }

    void PrintText() const {
        std::ostream& out = context_.out;
        out << Text(kRoundsPlayed) << ": " << RoundsPlayedText(statistics_, language()) << '\n';
        for (const auto& [length, rounds] : Lengths()) {
            out << Text(kAverageStrokes) << ", " << Text(length) << ": "
                << MeanText(rounds->strokes) << '\n';
        }
        for (const auto& [length, rounds] : Lengths())
            out << Text(kBestRound) << ", " << Text(length) << ": " << Round(rounds->best) << '\n';
        out << Text(kLatestRound) << ": " << Round(statistics_.Latest()) << "\n\n";

        out << Text(kHoleHeading) << '\t' << Text(kRoundsHeading) << '\t' << Text(kToParHeading)
            << '\n';
        for (std::size_t hole = 0; hole < kRecordHoles; ++hole) {
            const WholeMean& toPar = statistics_.holeToPar[hole];
            out << hole + 1 << '\t' << toPar.count << '\t' << ToParText(toPar) << '\n';
        }

        out << '\n'
            << Text(kClubHeading) << "\t\t" << Text(kStrokesHeading) << '\t' << Text(kMedianHeading)
            << '\t' << Text(kLongestHeading) << '\n';
        for (const auto& [club, distances] : statistics_.clubs) {
            out << ClubLabel(club) << '\t' << ClubName(club, language()) << '\t' << distances.count
                << '\t' << Metres(distances.median) << " m\t" << Metres(distances.longest)
                << " m\n";
        }

        out << '\n' << Text(kSeriesHeading) << '\n';
        for (const PlayedRound& round : statistics_.series) out << Round(round) << '\n';
    }

private:
    Language language() const { return context_.language; }
    std::string_view Text(TextPair pair) const { return PickText(language(), pair); }

    std::array<std::pair<TextPair, const RoundsOfLength*>, 2> Lengths() const {
        return {{{kEighteenHoles, &statistics_.eighteen}, {kNineHoles, &statistics_.nine}}};
    }

    static std::int32_t Metres(double metres) {
        return WholeDistance(metres, DistanceUnit::Metres);
    }

    static ordered_json Json(const WholeMean& mean) {
        const auto tenths = mean.Tenths();
        return tenths ? ordered_json(static_cast<double>(*tenths) / 10) : ordered_json(nullptr);
    }

    // {date, club, strokes}; null for no round.
    ordered_json Json(const std::optional<PlayedRound>& round) const {
        if (!round) return nullptr;
        const RecordEntry& entry = entries_[round->entry];
        return {{"date", entry.date},
                {"club", ShownClubName(entry, language())},
                {"strokes", round->strokes}};
    }

    // Json of the round with its holes.
    ordered_json JsonWithHoles(const std::optional<PlayedRound>& round) const {
        ordered_json json = Json(round);
        if (round) json["holes"] = round->holes;
        return json;
    }

    std::string Round(const std::optional<PlayedRound>& round) const {
        return PlayedRoundText(entries_, round, language());
    }

    const CliContext& context_;
    const std::vector<RecordEntry>& entries_;
    RoundStatistics statistics_;
};

}  // namespace

int RecordsStatsCommand(const CliContext& context, const std::filesystem::path& dir) {
    RecordFolderView view(context, dir);
    const StatisticsPrinter printer(context, view.entries());
    if (context.json) {
        PrintJson(context.out, printer.Json());
    } else {
        printer.PrintText();
    }
    return 0;
}

}  // namespace orvane::cli
