#include <gtest/gtest.h>

#include "records/ScoreCard.h"
#include "records/ScoreCardState.h"

namespace orvane {
namespace {

RecordEntry Round(std::int32_t holeCount) {
    RecordEntry entry;
    entry.displayName = "Pinecrest Golf";
    entry.date = "2025.06.14_07";
    RoundRecord record;
    record.holeCount = holeCount;
    record.startTime = {2025, 6, 6, 14, 7, 5, 0, 0};
    record.endTime = {2025, 6, 6, 14, 11, 48, 0, 0};
    record.frontCourseName = "East";
    for (std::int32_t h = 0; h < holeCount; ++h) {
        record.holes[static_cast<std::size_t>(h)].par = h % 3 + 3;
        record.holes[static_cast<std::size_t>(h)].scoreToPar = h % 4 - 1;
    }
    entry.record = std::make_unique<RoundRecord>(record);
    return entry;
}

TEST(ScoreCard, EighteenHolesFillEveryCellAndTotal) {
    RecordEntry entry = Round(18);
    entry.record->holes[4].par = 0;  // not played: blank, counts nothing
    const ScoreCardTexts card = BuildScoreCard(entry, Language::English);
    EXPECT_EQ(card.clubLine, ":   Pinecrest Golf");
    EXPECT_EQ(card.dateLine, ":   2025.06.14");
    EXPECT_EQ(card.timeLine, ":   07:05  ~  11:48");
    EXPECT_EQ(card.courseLines[0], "Course :   East");
    EXPECT_EQ(card.parCells[0], "3");
    EXPECT_EQ(card.scoreCells[0], "-1");
    EXPECT_EQ(card.scoreCells[4], "");
    // Front: pars 3,4,5,3,-,5,3,4,5 = 32, scores -1,0,1,2,-,0,1,2,-1 = 4.
    EXPECT_EQ(card.parTotals[0], "32");
    EXPECT_EQ(card.strokeTotals[0], "36");
    // Back: pars 3,4,5 x3 = 36, scores 0,1,2,-1,0,1,2,-1,0 = 4.
    EXPECT_EQ(card.parTotals[1], "36");
    EXPECT_EQ(card.strokeTotals[1], "40");
    EXPECT_EQ(card.totalLine, "Total :  36 + 40 = 76");
}

TEST(ScoreCard, NineHolesLeaveTheBackEmpty) {
    RecordEntry entry = Round(9);
    // Values past a nine-hole round's holes are not the card's.
    entry.record->holes[12].par = 4;
    const ScoreCardTexts card = BuildScoreCard(entry, Language::Korean);
    for (std::size_t hole = 9; hole < kRecordHoles; ++hole) EXPECT_EQ(card.parCells[hole], "");
    EXPECT_EQ(card.parTotals[1], "0");
    EXPECT_EQ(card.totalLine, "Total :  39 + 0 = 39");
}

TEST(ScoreCardState, HolesWrapAndUnitsFollowTheLanguage) {
    ScoreCardState state;
    state.PreviousHole();
    EXPECT_EQ(state.shownHole(), 18);
    state.NextHole();
    EXPECT_EQ(state.shownHole(), 1);
    EXPECT_TRUE(state.SelectHole(12));

    state.Open(Language::Korean);
    EXPECT_EQ(state.unit(), DistanceUnit::Metres);
    state.Open(Language::English);
    EXPECT_EQ(state.unit(), DistanceUnit::Yards);
    state.ToggleUnit();
    EXPECT_EQ(state.unit(), DistanceUnit::Metres);
    // The hole shown last stays across openings.
    EXPECT_EQ(state.shownHole(), 12);
}

}  // namespace
}  // namespace orvane
