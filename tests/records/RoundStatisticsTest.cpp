#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/HoleView.h"
#include "records/RoundStatistics.h"

namespace orvane {
namespace {

constexpr GeoPoint kTee{127.0, 37.5};
constexpr std::int32_t kPar = 4;

// A shot `metres` north of the tee, as a record holds it.
ShotPoint North(double metres, std::int32_t club) {
    const double latitude = kTee.latitude + metres / MetresPerDegreeAt(kTee.latitude).latitude;
    return {kTee.longitude * 1e6, latitude * 1e6, club};
}

// A round of par-4 holes with these scores to par from hole 1 on; the
// totals are what the device writes for them.
RecordEntry Round(std::string date, RecordTime start, std::int32_t holeCount,
                  const std::vector<std::int32_t>& scores) {
    RecordEntry entry;
    entry.name = "Club";
    entry.date = std::move(date);
    RoundRecord record;
    record.holeCount = holeCount;
    record.startTime = start;
    for (std::size_t hole = 0; hole < scores.size(); ++hole) {
        record.holes[hole] = {.par = kPar, .scoreToPar = scores[hole]};
        const bool front = hole < static_cast<std::size_t>(kHolesPerHalf);
        (front ? record.frontParTotal : record.backParTotal) += kPar;
        (front ? record.frontScoreTotal : record.backScoreTotal) += scores[hole];
    }
    entry.record = std::make_unique<RoundRecord>(record);
    return entry;
}

void PlayShots(RecordEntry& entry, std::size_t hole, const std::vector<ShotPoint>& shots) {
    HoleResult& result = entry.record->holes[hole];
    result.shotCount = static_cast<std::int32_t>(shots.size());
    std::copy(shots.begin(), shots.end(), result.shots.begin());
}

constexpr std::int32_t kDriver = 1, kSevenIron = 13, kEightIron = 14, kPutter = 19;

// Four rounds listed out of time order: two of 18 holes that left hole 18
// unplayed, two of 9 that started in the same minute.
std::vector<RecordEntry> Rounds() {
    RecordEntry a = Round("2024.05.01_08", {2024, 5, 3, 1, 8, 10, 0, 0}, 18,
                          {2, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1});
    RecordEntry b = Round("2024.04.20_09", {2024, 4, 6, 20, 9, 0, 0, 0}, 18,
                          {3, -1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 2});
    RecordEntry c =
        Round("2024.06.02_07", {2024, 6, 0, 2, 7, 30, 0, 0}, 9, {1, 0, 1, 1, 1, 1, 1, 1, 2});
    RecordEntry e =
        Round("2024.06.02_08", {2024, 6, 0, 2, 7, 30, 0, 0}, 9, {0, 0, 2, 1, 1, 1, 1, 1, 1});
    // Past a nine-hole round's holes nothing counts.
    e.record->holes[11] = {.par = kPar, .scoreToPar = 5};
    PlayShots(e, 11, {North(0, 2), North(200, 2), North(210, kPutter)});

    PlayShots(
        a, 0,
        {North(0, kDriver), North(230, kSevenIron), North(380, kPutter), North(385, kPutter)});
    // In a version 2 record the hole-out's club value numbers a green.
    b.record->version = 2;
    PlayShots(b, 0,
              {North(0, kDriver), North(250, kSevenIron), North(390, kPutter), North(397, 0)});
    PlayShots(c, 0, {North(0, kDriver), North(210, 25), North(300, kPutter), North(303, kPutter)});
    ShotPoint lost = North(100, kEightIron);
    lost.north = std::numeric_limits<double>::quiet_NaN();
    PlayShots(e, 0, {North(0, kDriver), lost, North(400, kPutter), North(410, kPutter)});
    return {a, e, b, c};
}

std::vector<std::size_t> Entries(const std::vector<PlayedRound>& rounds) {
    std::vector<std::size_t> entries;
    for (const PlayedRound& round : rounds) entries.push_back(round.entry);
    return entries;
}

TEST(RoundStatistics, RoundsByLengthBestLatestAndSeries) {
    const RoundStatistics statistics = ComputeRoundStatistics(Rounds());
    // B, A, then the two nines by their date texts.
    EXPECT_EQ(Entries(statistics.series), (std::vector<std::size_t>{2, 0, 3, 1}));
    std::vector<std::pair<std::int32_t, std::int32_t>> strokesAndHoles;
    for (const PlayedRound& round : statistics.series)
        strokesAndHoles.emplace_back(round.strokes, round.holes);
    EXPECT_EQ(strokesAndHoles, (std::vector<std::pair<std::int32_t, std::int32_t>>{
                                   {94, 18}, {83, 18}, {45, 9}, {44, 9}}));

    EXPECT_EQ(statistics.eighteen.strokes.count, 2);
    EXPECT_EQ(statistics.eighteen.strokes.Tenths(), 885);
    ASSERT_TRUE(statistics.eighteen.best);
    EXPECT_EQ(statistics.eighteen.best->entry, 0u);
    EXPECT_EQ(statistics.eighteen.best->strokes, 83);

    EXPECT_EQ(statistics.nine.strokes.count, 2);
    EXPECT_EQ(statistics.nine.strokes.Tenths(), 445);
    ASSERT_TRUE(statistics.nine.best);
    EXPECT_EQ(statistics.nine.best->entry, 1u);
    EXPECT_EQ(statistics.nine.best->strokes, 44);

    ASSERT_TRUE(statistics.Latest());
    EXPECT_EQ(statistics.Latest()->entry, 1u);
}

TEST(RoundStatistics, EqualScoresLeaveTheEarliestBest) {
    std::vector<RecordEntry> rounds = Rounds();
    // C, played before E, now scores as few.
    rounds[3].record->frontScoreTotal = 8;
    const RoundStatistics statistics = ComputeRoundStatistics(rounds);
    ASSERT_TRUE(statistics.nine.best);
    EXPECT_EQ(statistics.nine.best->entry, 3u);
    EXPECT_EQ(statistics.nine.strokes.Tenths(), 440);
}

TEST(RoundStatistics, StrokesToParPerHoleOverTheRoundsThatPlayedIt) {
    const RoundStatistics statistics = ComputeRoundStatistics(Rounds());
    const auto hole = [&](std::size_t number) { return statistics.holeToPar[number - 1]; };
    EXPECT_EQ(hole(1).count, 4);
    EXPECT_EQ(hole(1).Tenths(), 15);
    // -1 / 4 rounds away from zero.
    EXPECT_EQ(hole(2).Tenths(), -3);
    EXPECT_EQ(hole(3).Tenths(), 13);
    EXPECT_EQ(hole(9).Tenths(), 15);
    EXPECT_EQ(hole(10).count, 2);
    EXPECT_EQ(hole(10).Tenths(), 15);
    // The nine-hole round's value past its holes is not counted.
    EXPECT_EQ(hole(12).count, 2);
    EXPECT_EQ(hole(12).Tenths(), 10);
    EXPECT_EQ(hole(17).Tenths(), 5);
    EXPECT_EQ(hole(18).count, 0);
    EXPECT_EQ(hole(18).Tenths(), std::nullopt);
}

TEST(RoundStatistics, ClubDistancesFromEveryStrokeWithADistance) {
    const RoundStatistics statistics = ComputeRoundStatistics(Rounds());
    // No hole-out (club value 0 of the version 2 round, or the putter's
    // last position), no stroke to or from the lost position (8 iron), no
    // 3 wood from past the nine-hole round's holes.
    std::vector<std::int32_t> clubs;
    for (const auto& [club, distances] : statistics.clubs) clubs.push_back(club);
    ASSERT_EQ(clubs, (std::vector<std::int32_t>{kDriver, kSevenIron, kPutter, 25}));

    const auto expect = [&](std::int32_t club, std::size_t count, double median, double longest) {
        SCOPED_TRACE(club);
        const ClubDistances& distances = statistics.clubs.at(club);
        EXPECT_EQ(distances.count, count);
        EXPECT_NEAR(distances.median, median, 0.01);
        EXPECT_NEAR(distances.longest, longest, 0.01);
    };
    expect(kDriver, 3, 230, 250);
    // 140 and 150: the mean of the middle two.
    expect(kSevenIron, 2, 145, 150);
    // 3, 5, 7 and 10.
    expect(kPutter, 4, 6, 10);
    expect(25, 1, 90, 90);
}

TEST(RoundStatistics, AnEmptyFolderHasNoFigures) {
    for (const std::vector<RecordEntry>& entries :
         {std::vector<RecordEntry>{}, std::vector<RecordEntry>{RecordEntry{}}}) {
        const RoundStatistics statistics = ComputeRoundStatistics(entries);
        EXPECT_TRUE(statistics.series.empty());
        EXPECT_EQ(statistics.eighteen.strokes.Tenths(), std::nullopt);
        EXPECT_EQ(statistics.nine.best, std::nullopt);
        EXPECT_EQ(statistics.Latest(), std::nullopt);
        for (const WholeMean& hole : statistics.holeToPar) EXPECT_EQ(hole.count, 0);
        EXPECT_TRUE(statistics.clubs.empty());
    }
}

TEST(WholeMean, RoundsTenthsHalfAwayFromZero) {
    struct Case {
        std::int64_t sum, count, tenths;
        const char* text;
    };
    for (const Case& c : {Case{1, 4, 3, "0.3"}, Case{-1, 4, -3, "-0.3"}, Case{2, 3, 7, "0.7"},
                          Case{-2, 3, -7, "-0.7"}, Case{0, 5, 0, "0.0"}, Case{177, 2, 885, "88.5"},
                          Case{-31, 20, -16, "-1.6"}}) {
        SCOPED_TRACE(c.text);
        const WholeMean mean{c.sum, c.count};
        EXPECT_EQ(mean.Tenths(), c.tenths);
        EXPECT_EQ(OneDecimalText(c.tenths), c.text);
    }
}

}  // namespace
}  // namespace orvane
