#include "records/RoundStatistics.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

#include "records/PlayedShots.h"
#include "util/Text.h"

namespace orvane {
namespace {

// Start time without the day of the week, then the date text.
auto TimeOrderKey(const RecordEntry& entry) {
    const RecordTime& start = entry.record->startTime;
    return std::tie(start[0], start[1], start[3], start[4], start[5], start[6], entry.date);
}

std::vector<PlayedRound> RoundsInTimeOrder(const std::vector<RecordEntry>& entries) {
    std::vector<PlayedRound> rounds;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].record) continue;
        const RoundRecord& record = *entries[i].record;
        rounds.push_back({i, record.FrontStrokes() + record.BackStrokes(), record.CardHoleCount()});
    }
    std::stable_sort(rounds.begin(), rounds.end(), [&](const PlayedRound& a, const PlayedRound& b) {
        return TimeOrderKey(entries[a.entry]) < TimeOrderKey(entries[b.entry]);
    });
    return rounds;
}

void AddRound(RoundsOfLength& rounds, const PlayedRound& round) {
    rounds.strokes.Add(round.strokes);
    if (!rounds.best || round.strokes < rounds.best->strokes) rounds.best = round;
}

void AddHoles(std::array<WholeMean, kRecordHoles>& toPar, const RoundRecord& record) {
    for (std::size_t hole = 0; hole < static_cast<std::size_t>(record.CardHoleCount()); ++hole) {
        const HoleResult& result = record.holes[hole];
        if (result.par != 0) toPar[hole].Add(result.scoreToPar);
    }
}

void AddStrokes(std::map<std::int32_t, std::vector<double>>& distances, const RoundRecord& record) {
    for (std::int32_t hole = 1; hole <= record.CardHoleCount(); ++hole) {
        for (const PlayedShot& shot : PlayedShots(record, hole, nullptr)) {
            if (shot.stroke && std::isfinite(shot.stroke->metres))
                distances[shot.stroke->club].push_back(shot.stroke->metres);
        }
    }
}

ClubDistances Summarise(std::vector<double> metres) {
    std::sort(metres.begin(), metres.end());
    const std::size_t middle = metres.size() / 2;
    const double median =
        metres.size() % 2 == 1 ? metres[middle] : (metres[middle - 1] + metres[middle]) / 2;
    return {metres.size(), median, metres.back()};
}

}  // namespace

std::optional<std::int64_t> WholeMean::Tenths() const {
    if (count == 0) return std::nullopt;
    // Twice the tenths plus or minus one half-step, divided with truncation.
    const std::int64_t twice = 20 * sum + (sum < 0 ? -count : count);
    return twice / (2 * count);
}

std::string OneDecimalText(std::int64_t tenths) {
    return Format("%s%lld.%lld", tenths < 0 ? "-" : "", std::llabs(tenths) / 10,
                  std::llabs(tenths) % 10);
}

RoundStatistics ComputeRoundStatistics(const std::vector<RecordEntry>& entries) {
    RoundStatistics statistics;
    statistics.series = RoundsInTimeOrder(entries);
    std::map<std::int32_t, std::vector<double>> distances;
    for (const PlayedRound& round : statistics.series) {
        const RoundRecord& record = *entries[round.entry].record;
        AddRound(round.holes > kHolesPerHalf ? statistics.eighteen : statistics.nine, round);
        AddHoles(statistics.holeToPar, record);
        AddStrokes(distances, record);
    }
    for (auto& [club, metres] : distances) statistics.clubs[club] = Summarise(std::move(metres));
    return statistics;
}

}  // namespace orvane
