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
// Headings of the card's rows and halves, as a listing of the card shows them.
inline constexpr TextPair kHoleHeading{"홀", "Hole"};
inline constexpr TextPair kParHeading{"파", "Par"};
inline constexpr TextPair kScoreHeading{"스코어", "Score"};
inline constexpr std::array<TextPair, kHalves> kHalfHeadings{{{"전", "Out"}, {"후", "In"}}};
// The hole-out, which has no club and no distance.
inline constexpr TextPair kHoledOut{"홀아웃", "holed"};

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

// The halves the card fills: the front nine only for a nine-hole round.
std::size_t CardHalves(const RoundRecord& record);

// The texts for `entry`'s record (an entry without one gives empty cells and
// zero totals). The club line shows the club as the record lists do.
ScoreCardTexts BuildScoreCard(const RecordEntry& entry, Language language);

}  // namespace orvane
