#include <gtest/gtest.h>

#include <string>

#include "records/RecordFile.h"

namespace orvane {
namespace {

std::string Header(std::string_view club = "Club") {
    return "1 3.5\r\n0 7 9\r\n" + std::string(club) +
           " Seoul\r\n2012 8 3 15 13 2 10\r\n2012 8 3 15 13 2 11\r\n";
}

// A hole line (label, par 4 with 2 putts, one shot, two trailing numbers) and
// its time stamp.
std::string Hole(std::string_view label, int score = 1,
                 std::string_view stamp = "2012 8 3 15 14 0 0") {
    return std::string(label) + " " + std::to_string(4 | (2 << 4)) + " 0 " + std::to_string(score) +
           " 1 127000000 37000000 3 0 0\r\n" + std::string(stamp) + "\r\n";
}

std::string Round(std::initializer_list<std::string_view> labels, std::string_view club = "Club") {
    std::string text = Header(club);
    for (const std::string_view label : labels) text += Hole(label);
    return text;
}

// Labels "<letter>1" .. "<letter><last>".
std::string Nine(char letter, int last = 9) {
    std::string text;
    for (int hole = 1; hole <= last; ++hole) text += Hole(letter + std::to_string(hole));
    return text;
}

// The numbers of the holes that have a par, e.g. "1 9 10 ".
std::string Placed(const RoundRecord& record) {
    std::string out;
    for (std::size_t i = 0; i < kRecordHoles; ++i)
        if (record.holes[i].par != 0) out += std::to_string(i + 1) + " ";
    return out;
}

TEST(RecordText, OwnClubsTextFillsTheHeaderAndHoleFields) {
    // 53 = par 5 | 3 putts << 4; 90 = 0x5a, two flag nibbles.
    const std::string text = Header() +
                             "A1 53 90 -2 2 127000001.5 37000002.25 1 127000100 37000200 23 1 2 3\n"
                             "2012 8 3 15 14 5 6\n";
    EXPECT_FALSE(ParseRecordText(text, "Clu"));
    EXPECT_FALSE(ParseRecordText(" \r\n", "Club"));
    const RoundRecord record = ParseRecordText(text, "Club").value();
    EXPECT_EQ(record.version, 1);
    EXPECT_DOUBLE_EQ(record.value2, 3.5);
    EXPECT_EQ(record.startTime, (RecordTime{2012, 8, 3, 15, 13, 2, 10, 0}));
    EXPECT_EQ(record.endTime, (RecordTime{2012, 8, 3, 15, 14, 5, 6, 0}));
    const HoleResult& hole = record.holes[0];
    EXPECT_EQ(hole.par, 5);
    EXPECT_EQ(hole.putts, 3);
    EXPECT_EQ(hole.flagsLow, 0xa);
    EXPECT_EQ(hole.flagsHigh, 0x5);
    EXPECT_EQ(hole.scoreToPar, -2);
    EXPECT_EQ(hole.shotCount, 2);
    EXPECT_DOUBLE_EQ(hole.shots[0].east, 127000001.5);
    EXPECT_DOUBLE_EQ(hole.shots[0].north, 37000002.25);
    EXPECT_EQ(hole.shots[1].club, 23);
}

TEST(RecordText, LettersPlaceTheHolesAndNameTheNines) {
    // Two nines of two letters fill 1..18, the second letter's holes from 10.
    const RoundRecord two = ParseRecordText(Round({"B1", "A1", "B9", "A9"}), "Club").value();
    EXPECT_EQ(Placed(two), "1 9 10 18 ");
    EXPECT_EQ(two.courseLetters, "BA");
    EXPECT_EQ(two.frontCourseName, "B");
    EXPECT_EQ(two.backCourseName, "A");
    // Numbers above 9 of a single letter make an 18-hole round whose back
    // course letter is the front's.
    const RoundRecord numbered = ParseRecordText(Round({"A1", "A10", "A18"}), "Club").value();
    EXPECT_EQ(Placed(numbered), "1 10 18 ");
    EXPECT_EQ(numbered.holeCount, 18);
    EXPECT_EQ(numbered.courseLetters, "AA");
    // The owner's own course calls its nines "Hole".
    const RoundRecord own = ParseRecordText(Round({"A1", "A10"}, "MyCC01"), "MyCC01").value();
    EXPECT_EQ(own.frontCourseName, "Hole");
    EXPECT_EQ(own.backCourseName, "Hole");
    const RoundRecord ownNine = ParseRecordText(Round({"A1"}, "MyCC01"), "MyCC01").value();
    EXPECT_EQ(ownNine.backCourseName, "");
}

TEST(RecordText, HoleCountAndTotalsFollowTheNineAndEighteenRules) {
    // Hole 3 is played twice and counts once.
    const RoundRecord nine = ParseRecordText(Header() + Nine('A') + Hole("A3"), "Club").value();
    EXPECT_EQ(nine.holeCount, 9);
    EXPECT_EQ(nine.frontParTotal, 36);
    EXPECT_EQ(nine.frontScoreTotal, 9);
    EXPECT_EQ(nine.frontIncomplete, 0);
    EXPECT_EQ(nine.BackStrokes(), 0);
    const RoundRecord full = ParseRecordText(Header() + Nine('A', 18), "Club").value();
    EXPECT_EQ(full.holeCount, 18);
    EXPECT_EQ(full.backParTotal, 36);
    EXPECT_EQ(full.backScoreTotal, 9);
    EXPECT_EQ(full.backIncomplete, 0);
    // A second letter with holes of it missing.
    const RoundRecord backMissing =
        ParseRecordText(Header() + Nine('A') + Hole("B2"), "Club").value();
    EXPECT_EQ(backMissing.holeCount, 18);
    EXPECT_EQ(backMissing.backParTotal, 4);
    EXPECT_EQ(backMissing.backIncomplete, 1);
}

TEST(RecordText, ScoresOutsideMinusFourToNineReadAsZero) {
    const RoundRecord record =
        ParseRecordText(Header() + Hole("A1", -4) + Hole("A2", 9) + Hole("A3", -5) + Hole("A4", 12),
                        "Club")
            .value();
    EXPECT_EQ(record.holes[0].scoreToPar, -4);
    EXPECT_EQ(record.holes[1].scoreToPar, 9);
    EXPECT_EQ(record.holes[2].scoreToPar, 0);
    EXPECT_EQ(record.holes[3].scoreToPar, 0);
}

TEST(RecordText, UnsetHoleStampLeavesTheEndTime) {
    // The device stamps holes it has no clock for with 2007-3-8 (year, month, day).
    std::string text = Header() + Hole("A1", 0) + Hole("A2", 0, "2007 3 4 8 12 0 0");
    EXPECT_EQ(ParseRecordText(text, "Club").value().endTime,
              (RecordTime{2012, 8, 3, 15, 14, 0, 0, 0}));
    text += Hole("A3", 0, "2007 3 4 9 12 0 0");
    EXPECT_EQ(ParseRecordText(text, "Club").value().endTime,
              (RecordTime{2007, 3, 4, 9, 12, 0, 0, 0}));
}

TEST(RecordText, ShotsPastElevenAndHolesPastEighteenAreDropped) {
    std::string text = Header() + "A1 4 0 0 13";
    for (int shot = 1; shot <= 13; ++shot) text += " 1 2 " + std::to_string(shot);
    text += " 9 9\r\n2012 8 3 15 14 0 0\r\n";
    // A19 is past the last hole; its groups are read past so that A2 still lands.
    text += Hole("A19") + Hole("A2");
    const RoundRecord record = ParseRecordText(text, "Club").value();
    EXPECT_EQ(record.holes[0].shotCount, 13);
    EXPECT_EQ(record.holes[0].KeptShots(), 11u);
    EXPECT_EQ(record.holes[0].shots[10].club, 11);
    EXPECT_EQ(Placed(record), "1 2 ");
}

TEST(RecordText, DamagedHoleLinesNeverReachPastTheTables) {
    for (const char* tail : {
             "A0 4 0 0 0\n2012 1 1 1 1 1 1\n",
             "A99999999999 4 0 0 0\n2012 1 1 1 1 1 1\n",
             "A1 4 0 0 2147483647\n",
             "A1 4 0 0 -3\n2012 1 1 1 1 1 1\n",
             "A1 x y z w\n",
             "A1 4 0 0 1 1 2",
             "A B C D E F G H I J K L M N O P Q R S\n",
         }) {
        const auto record = ParseRecordText(Header() + tail, "Club");
        ASSERT_TRUE(record) << tail;
        EXPECT_TRUE(record->holeCount == 9 || record->holeCount == 18) << tail;
        EXPECT_LE(record->courseLetters.size(), 8u) << tail;
    }
    // Nine letters: the ninth has no place and its hole is dropped.
    const RoundRecord letters =
        ParseRecordText(Round({"A1", "B1", "C1", "D1", "E1", "F1", "G1", "H1", "I1"}), "Club")
            .value();
    EXPECT_EQ(letters.courseLetters, "ABCDEFGH");
    // A run of more than 19 numbers is dropped with its line.
    const RoundRecord longRun = ParseRecordText(Header() +
                                                    "A1 4 0 0 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 "
                                                    "15 16 17 18 19 20 21\n2012 1 1 1 1 1 5\n",
                                                "Club")
                                    .value();
    EXPECT_EQ(longRun.endTime, (RecordTime{2012, 1, 1, 1, 1, 1, 5, 0}));
}

}  // namespace
}  // namespace orvane
