#pragma once

#include <optional>
#include <string>
#include <vector>

#include "records/RoundStatistics.h"
#include "shell/ShellTexts.h"

// How the round statistics read, the same in every front end. The hole
// column is headed as the score card heads its holes (kHoleHeading).
namespace orvane {

inline constexpr TextPair kRoundsPlayed{"라운드 수", "Rounds played"};
inline constexpr TextPair kEighteenHoles{"18홀", "18 holes"};
inline constexpr TextPair kNineHoles{"9홀", "9 holes"};
inline constexpr TextPair kAverageStrokes{"평균 타수", "Average strokes"};
inline constexpr TextPair kBestRound{"베스트 라운드", "Best round"};
inline constexpr TextPair kLatestRound{"최근 라운드", "Latest round"};
inline constexpr TextPair kRoundsHeading{"라운드", "Rounds"};
inline constexpr TextPair kToParHeading{"파 대비", "To par"};
inline constexpr TextPair kClubHeading{"클럽", "Club"};
inline constexpr TextPair kStrokesHeading{"타수", "Strokes"};
inline constexpr TextPair kMedianHeading{"중앙값", "Median"};
inline constexpr TextPair kLongestHeading{"최장", "Longest"};
inline constexpr TextPair kSeriesHeading{"라운드별 타수", "Strokes over time"};
// Where there is no figure to show.
inline constexpr std::string_view kNoFigure = "-";

// "18 holes" or "9 holes" for a round of `holes`.
TextPair RoundLengthText(std::int32_t holes);

// "5 (18 holes: 3, 9 holes: 2)": every round, then by length.
std::string RoundsPlayedText(const RoundStatistics& statistics, Language language);

// The mean with one decimal, kNoFigure when empty.
std::string MeanText(const WholeMean& mean);
// The same with "+" before a mean over par: "+1.3", "-0.3", "0.0".
std::string ToParText(const WholeMean& mean);

// "2024.05.01_08  Pinecrest  83 (18 holes)", the round of `entries` as the
// person reads it (the date and the club decoded for display); kNoFigure
// for no round.
std::string PlayedRoundText(const std::vector<RecordEntry>& entries,
                            const std::optional<PlayedRound>& round, Language language);

}  // namespace orvane
