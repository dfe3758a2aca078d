#pragma once

#include <array>
#include <string>

#include "records/RoundRecord.h"
#include "shell/Language.h"
#include "shell/ShellTexts.h"

namespace orvane {

inline constexpr TextPair kScoreCardTitle{"기록데이터상세보기", "View Detail Record Data"};
inline constexpr TextPair kClubLabel{"골프장", "Name"};
inline constexpr TextPair kDateLabel{"날짜", "Date"};
inline constexpr TextPair kTimeLabel{"시간", "Time"};
inline constexpr TextPair kPreviousHole{"이전홀", "Prev"};
inline constexpr TextPair kNextHole{"다음홀", "Next"};

// Everything the score card writes, as text.
struct ScoreCardTexts {
    std::string clubLine;
    std::string dateLine;
    std::string timeLine;
    // "Course :   <name>" for the front and back course.
    std::array<std::string, kHalves> courseLines;
    // Empty for a hole that was not played.
    std::array<std::string, kRecordHoles> parCells;
    std::array<std::string, kRecordHoles> scoreCells;
    std::array<std::string, kHalves> parTotals;
    std::array<std::string, kHalves> strokeTotals;
    std::string totalLine;
};

// The texts for `entry`'s record (an entry without one gives empty cells and
// zero totals). The club line shows the club as the record lists do.
ScoreCardTexts BuildScoreCard(const RecordEntry& entry, Language language);

}  // namespace orvane
