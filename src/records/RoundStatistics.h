#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "records/RoundRecord.h"

namespace orvane {

// A mean of whole numbers, kept as its sum and count so that every front end
// rounds it alike.
struct WholeMean {
    std::int64_t sum = 0;
    std::int64_t count = 0;

    void Add(std::int64_t value) {
        sum += value;
        ++count;
    }
    // The mean in tenths, rounded half away from zero; nothing when empty.
    std::optional<std::int64_t> Tenths() const;
};

// Tenths as a number with one decimal: "87.3", "-0.3", "0.0".
std::string OneDecimalText(std::int64_t tenths);

// One round of the record folder.
struct PlayedRound {
    // Its index in the entries the statistics were computed from.
    std::size_t entry = 0;
    // Out plus in, as the record lists total them.
    std::int32_t strokes = 0;
    // 9 or 18, the holes of its score card.
    std::int32_t holes = 0;
};

// The rounds of one length.
struct RoundsOfLength {
    // Its count is the number of rounds.
    WholeMean strokes;
    // Fewest strokes; of rounds with equally few the earliest.
    std::optional<PlayedRound> best;
};

// How far a club hit, in metres, over every stroke played with it.
struct ClubDistances {
    std::size_t count = 0;
    // Of an even count the mean of the middle two.
    double median = 0;
    double longest = 0;
};

struct RoundStatistics {
    // Every round, earliest first: by start time, then by date text.
    std::vector<PlayedRound> series;
    RoundsOfLength eighteen;
    RoundsOfLength nine;
    // Strokes to par of holes 1..18 over the rounds that played the hole;
    // its count is the number of those rounds.
    std::array<WholeMean, kRecordHoles> holeToPar;
    // By club value; strokes without a finite distance are left out.
    std::map<std::int32_t, ClubDistances> clubs;

    std::optional<PlayedRound> Latest() const {
        return series.empty() ? std::nullopt : std::optional(series.back());
    }
};

// The statistics of the record folder's rounds (`entries` as the folder's
// record list holds them; an entry without a record is passed over). Shots
// are measured without the club's geometry, so that the figures need no
// server: a stroke goes from one kept shot to the next.
RoundStatistics ComputeRoundStatistics(const std::vector<RecordEntry>& entries);

}  // namespace orvane
