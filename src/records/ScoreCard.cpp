#include "records/ScoreCard.h"

#include "records/RecordLists.h"
#include "util/Text.h"

namespace orvane {
namespace {

// An entry without a record shows an empty card.
const RoundRecord kNoRecord{};

}  // namespace

ScoreCardTexts BuildScoreCard(const RecordEntry& entry, Language language) {
    ScoreCardTexts card;
    const RoundRecord& record = entry.record ? *entry.record : kNoRecord;
    card.clubLine = Format(":   %s", ShownClubName(entry, language).c_str());
    card.dateLine = ":   " + entry.date.substr(0, 10);
    card.timeLine = Format(":   %02d:%02d  ~  %02d:%02d", record.startTime[4], record.startTime[5],
                           record.endTime[4], record.endTime[5]);
    card.courseLines = {Format("Course :   %s", record.frontCourseName.c_str()),
                        Format("Course :   %s", record.backCourseName.c_str())};

    std::array<std::int32_t, kHalves> parSums{};
    std::array<std::int32_t, kHalves> scoreSums{};
    for (std::size_t hole = 0; hole < static_cast<std::size_t>(record.CardHoleCount()); ++hole) {
        const HoleResult& result = record.holes[hole];
        if (result.par == 0) continue;
        const std::size_t half = hole / kHolesPerHalf;
        card.parCells[hole] = std::to_string(result.par);
        card.scoreCells[hole] = std::to_string(result.scoreToPar);
        parSums[half] += result.par;
        scoreSums[half] += result.scoreToPar;
    }
    std::array<std::int32_t, kHalves> strokes{};
    for (std::size_t half = 0; half < kHalves; ++half) {
        strokes[half] = scoreSums[half] + parSums[half];
        card.parTotals[half] = std::to_string(parSums[half]);
        card.strokeTotals[half] = std::to_string(strokes[half]);
    }
    card.totalLine =
        Format("Total :  %d + %d = %d", strokes[0], strokes[1], strokes[0] + strokes[1]);
    return card;
}

std::size_t CardHalves(const RoundRecord& record) {
    return record.CardHoleCount() > kHolesPerHalf ? kHalves : 1;
}

}  // namespace orvane
