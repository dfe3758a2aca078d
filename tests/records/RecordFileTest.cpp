#include <gtest/gtest.h>

#include <string>

#include "records/PackedFile.h"
#include "records/RecordFile.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::TempFolder;

constexpr std::string_view kHeader =
    "1 3.5\r\n"
    "0 7 9\r\n"
    "Club Seoul\r\n"
    "2012 8 3 15 13 2 10\r\n"
    "2012 8 3 15 13 2 11\r\n";

// A hole line (label, par 4 with 2 putts, one shot, two trailing numbers) and
// its time stamp.
std::string Hole(std::string_view label, int score = 1,
                 std::string_view stamp = "2012 8 3 15 14 0 0") {
    return std::string(label) + " " + std::to_string(4 | (2 << 4)) + " 0 " + std::to_string(score) +
           " 1 127000000 37000000 3 0 0\r\n" + std::string(stamp) + "\r\n";
}

std::string Round(std::initializer_list<std::string_view> labels) {
    std::string text(kHeader);
    for (const std::string_view label : labels) text += Hole(label);
    return text;
}

TEST(RecordText, HeaderAndHoleValuesLandInTheirFields) {
    const std::string text = std::string(kHeader) + "A1 " + std::to_string(5 | (3 << 4)) + " " +
                             std::to_string(0x5a) +
                             " -2 2 127000001.5 37000002.25 1 127000100 37000200 23 1 2 3\n"
                             "2012 8 3 15 14 5 6\n";
    const auto record = ParseRecordText(text, "Club");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->version, 1);
    EXPECT_DOUBLE_EQ(record->value2, 3.5);
    EXPECT_EQ(record->value3, 7);
    EXPECT_EQ(record->value4, 9);
    EXPECT_EQ(record->startTime, (RecordTime{2012, 8, 3, 15, 13, 2, 10, 0}));
    EXPECT_EQ(record->endTime, (RecordTime{2012, 8, 3, 15, 14, 5, 6, 0}));
    const HoleResult& hole = record->holes[0];
    EXPECT_EQ(hole.par, 5);
    EXPECT_EQ(hole.putts, 3);
    EXPECT_EQ(hole.flagsLow, 0xa);
    EXPECT_EQ(hole.flagsHigh, 0x5);
    EXPECT_EQ(hole.scoreToPar, -2);
    EXPECT_EQ(hole.shotCount, 2);
    EXPECT_DOUBLE_EQ(hole.shots[0].east, 127000001.5);
    EXPECT_DOUBLE_EQ(hole.shots[0].north, 37000002.25);
    EXPECT_EQ(hole.shots[0].club, 1);
    EXPECT_EQ(hole.shots[1].club, 23);
    EXPECT_EQ(record->holeCount, 9);
    EXPECT_EQ(record->frontCourseName, "A");
    EXPECT_EQ(record->backCourseName, "");
    EXPECT_EQ(record->frontParTotal, 5);
    EXPECT_EQ(record->frontScoreTotal, -2);
    EXPECT_EQ(record->frontIncomplete, 1);
}

TEST(RecordText, EmptyTextOrAnotherClubIsRejected) {
    EXPECT_FALSE(ParseRecordText("", "Club"));
    EXPECT_FALSE(ParseRecordText(" \r\n", "Club"));
    EXPECT_FALSE(ParseRecordText(Round({"A1"}), "Clu"));
    EXPECT_FALSE(ParseRecordText(Round({"A1"}), "Club2"));
    EXPECT_FALSE(ParseRecordText("1 1.0\r\n0 0 0\r\n", ""));
    EXPECT_TRUE(ParseRecordText(Round({"A1"}), "Club"));
}

TEST(RecordText, LettersAndNumbersPlaceTheHoles) {
    // Two nines of two letters fill 1..18, the second letter's holes from 10.
    const auto two = ParseRecordText(Round({"B1", "A1", "B9", "A9"}), "Club");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->courseLetters, "BA");
    EXPECT_EQ(two->holes[0].par, 4);
    EXPECT_EQ(two->holes[8].par, 4);
    EXPECT_EQ(two->holes[9].par, 4);
    EXPECT_EQ(two->holes[17].par, 4);
    EXPECT_EQ(two->holes[1].par, 0);
    EXPECT_EQ(two->holeCount, 18);
    EXPECT_EQ(two->frontCourseName, "B");
    EXPECT_EQ(two->backCourseName, "A");

    // Numbers above 9 of a single letter make an 18-hole round whose back
    // course letter is the front's.
    const auto numbered = ParseRecordText(Round({"A1", "A10", "A18"}), "Club");
    ASSERT_TRUE(numbered);
    EXPECT_EQ(numbered->holes[9].par, 4);
    EXPECT_EQ(numbered->holes[17].par, 4);
    EXPECT_EQ(numbered->holeCount, 18);
    EXPECT_EQ(numbered->courseLetters, "AA");
    EXPECT_EQ(numbered->backCourseName, "A");
}

TEST(RecordText, HoleCountFollowsTheNineAndEighteenRules) {
    std::string nine(kHeader), eighteen(kHeader), many(kHeader);
    for (int hole = 1; hole <= 9; ++hole) nine += Hole("A" + std::to_string(hole), 1);
    for (int hole = 1; hole <= 18; ++hole) eighteen += Hole("A" + std::to_string(hole), hole % 3);
    for (int hole = 1; hole <= 10; ++hole) many += Hole("A" + std::to_string(hole % 9 + 1));

    const auto nineHoles = ParseRecordText(nine, "Club");
    ASSERT_TRUE(nineHoles);
    EXPECT_EQ(nineHoles->holeCount, 9);
    EXPECT_EQ(nineHoles->frontParTotal, 36);
    EXPECT_EQ(nineHoles->frontScoreTotal, 9);
    EXPECT_EQ(nineHoles->frontIncomplete, 0);
    EXPECT_EQ(nineHoles->backParTotal, 0);
    EXPECT_EQ(nineHoles->backScoreTotal, 0);
    EXPECT_EQ(nineHoles->BackStrokes(), 0);

    const auto full = ParseRecordText(eighteen, "Club");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->holeCount, 18);
    EXPECT_EQ(full->backParTotal, 36);
    EXPECT_EQ(full->backScoreTotal, 0 + 1 + 2 + 0 + 1 + 2 + 0 + 1 + 2);
    EXPECT_EQ(full->backIncomplete, 0);

    // A hole played twice counts once.
    const auto repeated = ParseRecordText(many, "Club");
    ASSERT_TRUE(repeated);
    EXPECT_EQ(repeated->holeCount, 9);

    // Ten distinct holes through a second letter, with holes of it missing.
    std::string partial(kHeader);
    for (int hole = 1; hole <= 9; ++hole) partial += Hole("A" + std::to_string(hole));
    partial += Hole("B2");
    const auto backMissing = ParseRecordText(partial, "Club");
    ASSERT_TRUE(backMissing);
    EXPECT_EQ(backMissing->holeCount, 18);
    EXPECT_EQ(backMissing->backParTotal, 4);
    EXPECT_EQ(backMissing->backIncomplete, 1);
}

TEST(RecordText, ScoresOutsideMinusFourToNineReadAsZero) {
    std::string text(kHeader);
    text += Hole("A1", -4) + Hole("A2", 9) + Hole("A3", -5) + Hole("A4", 12);
    const auto record = ParseRecordText(text, "Club");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->holes[0].scoreToPar, -4);
    EXPECT_EQ(record->holes[1].scoreToPar, 9);
    EXPECT_EQ(record->holes[2].scoreToPar, 0);
    EXPECT_EQ(record->holes[3].scoreToPar, 0);
}

TEST(RecordText, UnsetHoleStampLeavesTheEndTime) {
    std::string text(kHeader);
    text += Hole("A1", 0, "2012 8 3 15 14 0 0") + Hole("A2", 0, "2007 3 4 8 12 0 0");
    auto record = ParseRecordText(text, "Club");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->endTime, (RecordTime{2012, 8, 3, 15, 14, 0, 0, 0}));

    // Only year, month and day mark the unset stamp.
    text += Hole("A3", 0, "2007 3 4 9 12 0 0");
    record = ParseRecordText(text, "Club");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->endTime, (RecordTime{2007, 3, 4, 9, 12, 0, 0, 0}));
}

TEST(RecordText, MyCourseNamesItsNinesHole) {
    const auto one = ParseRecordText(
        "1 0\n0 0 0\nMyCC01 x\n2012 1 1 1 1 1 1\n2012 1 1 1 1 1 1\nA1 4 0 0 0\n2012 1 1 1 1 1 2\n",
        "MyCC01");
    ASSERT_TRUE(one);
    EXPECT_EQ(one->frontCourseName, "Hole");
    EXPECT_EQ(one->backCourseName, "");
    EXPECT_EQ(one->endTime[6], 2);

    const auto two = ParseRecordText(
        "1 0\n0 0 0\nMyCC01 x\n2012 1 1 1 1 1 1\n2012 1 1 1 1 1 1\n"
        "A1 4 0 0 0\n2012 1 1 1 1 1 2\nA10 4 0 0 0\n2012 1 1 1 1 1 3\n",
        "MyCC01");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->frontCourseName, "Hole");
    EXPECT_EQ(two->backCourseName, "Hole");
}

TEST(RecordText, ShotsPastElevenAndHolesPastEighteenAreDropped) {
    std::string text(kHeader);
    text += "A1 4 0 0 13";
    for (int shot = 1; shot <= 13; ++shot) text += " 1 2 " + std::to_string(shot);
    text += " 9 9\r\n2012 8 3 15 14 0 0\r\n";
    // C1 is hole 19; its groups are read past so that A2 still lands.
    text += Hole("C1") + Hole("A2");
    const auto record = ParseRecordText(text, "Club");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->holes[0].shotCount, 13);
    EXPECT_EQ(record->holes[0].KeptShots(), 11u);
    EXPECT_EQ(record->holes[0].shots[10].club, 11);
    EXPECT_EQ(record->holes[1].par, 4);
    EXPECT_EQ(record->courseLetters, "AC");
    EXPECT_EQ(record->holeCount, 18);
}

TEST(RecordText, DamagedHoleLinesNeverReachPastTheTables) {
    const std::string header(kHeader);
    for (const std::string& tail : {
             std::string("A0 4 0 0 0\n2012 1 1 1 1 1 1\n"),
             std::string("A-5 4 0 0 0\n2012 1 1 1 1 1 1\n"),
             std::string("A99999999999 4 0 0 0\n2012 1 1 1 1 1 1\n"),
             std::string("A1 4 0 0 2147483647\n"),
             std::string("A1 4 0 0 -3\n2012 1 1 1 1 1 1\n"),
             std::string("A1 x y z w\n"),
             std::string("A1 4 0 0 1 1 2"),
             std::string("A B C D E F G H I J K L M N O P Q R S\n"),
         }) {
        const auto record = ParseRecordText(header + tail, "Club");
        ASSERT_TRUE(record) << tail;
        EXPECT_TRUE(record->holeCount == 9 || record->holeCount == 18) << tail;
        EXPECT_LE(record->courseLetters.size(), 8u) << tail;
    }
    // Nine letters: the ninth has no place and its hole is dropped.
    std::string letters(kHeader);
    for (const char letter : std::string("ABCDEFGHI"))
        letters += Hole(std::string(1, letter) + "1");
    const auto record = ParseRecordText(letters, "Club");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->courseLetters, "ABCDEFGH");
    // A run of more than 19 numbers is dropped with its line.
    const auto longRun = ParseRecordText(
        header +
            "A1 4 0 0 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n2012 1 1 1 1 1 5\n",
        "Club");
    ASSERT_TRUE(longRun);
    EXPECT_EQ(longRun->endTime, (RecordTime{2012, 1, 1, 1, 1, 1, 5, 0}));
}

TEST(RecordFile, ReadsThePackedFileOfTheFolder) {
    TempFolder folder;
    const std::string text = Round({"A1", "A2"});
    ASSERT_EQ(packToFile(text, folder.path() / "20120815_13_Club.dat"), 1);
    RecordEntry entry;
    entry.name = "Club";
    EXPECT_EQ(readRecordFile(folder.path(), "20120815_13_Club.dat", entry), 1);
    ASSERT_TRUE(entry.record);
    EXPECT_EQ(entry.record->holes[1].par, 4);

    RecordEntry other;
    other.name = "Other";
    EXPECT_EQ(readRecordFile(folder.path(), "20120815_13_Club.dat", other), 0);
    EXPECT_FALSE(other.record);
    folder.Write("plain.dat", text);
    EXPECT_EQ(readRecordFile(folder.path(), "plain.dat", entry), 0);
    EXPECT_EQ(readRecordFile(folder.path(), "missing.dat", entry), 0);
    // A name that leaves the folder is not opened even when the file exists.
    std::filesystem::create_directories(folder.path() / "in");
    ASSERT_EQ(packToFile(text, folder.path() / "20120815_13_Club.dat"), 1);
    EXPECT_EQ(readRecordFile(folder.path() / "in", "../20120815_13_Club.dat", entry), 0);
}

}  // namespace
}  // namespace orvane
