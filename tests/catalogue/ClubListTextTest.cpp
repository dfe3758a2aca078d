#include <gtest/gtest.h>

#include <array>

#include "catalogue/ClubListText.h"
#include "support/RecordingShell.h"

namespace orvane {
namespace {

class TextClubList : public ::testing::Test {
protected:
    std::vector<CourseNode> Parse(const std::string& text,
                                  ClubListSide side = ClubListSide::Catalogue) {
        return ParseTextClubList(text, 3, side, ui_);
    }

    testing::RecordingShell shell_;
    Ui ui_{shell_, Language::English};
};

// Writing the line back pins the fields the writer prints.
TEST_F(TextClubList, ReadsEveryFieldOfALineAndWritesItBack) {
    const std::string line =
        "ABC \"Alpha Hills CC\" 00123456 37.500000 127.000000 1000 -2000 0 0 500 500 1.25\n";
    const auto courses = Parse(line);
    ASSERT_EQ(courses.size(), 1u);
    const CourseNode& abc = courses[0];
    EXPECT_EQ(abc.zone, 3);
    EXPECT_EQ(abc.shortKey, "ABC_____");
    EXPECT_EQ((std::array{abc.maxLat, abc.minLat, abc.minLon, abc.maxLon}),
              (std::array{37.501, 37.5, 126.998, 127.0005}));
    std::string written;
    AppendTextClubListLine(written, abc);
    EXPECT_EQ(written, line);
}

TEST_F(TextClubList, InvalidVersionsAreReportedAndOnlyTheirLineIsDropped) {
    const auto courses = Parse(
        "LOW \"Low\" 00000001 1.0 2.0 0 0 0 0 0 0 0.2\r\n"
        "MIN \"Min\" 00000002 1.0 2.0 0 0 0 0 0 0 0.3\r\n"
        "HIGH \"High\" 00000003 1.0 2.0 0 0 0 0 0 0 10.0\n"
        "MAX \"Max\" 00000004 1.0 2.0 0 0 0 0 0 0 9.99\n"
        "NAN \"NaN\" 00000005 1.0 2.0 0 0 0 0 0 0 nan\n");
    ASSERT_EQ(courses.size(), 2u);
    EXPECT_EQ(courses[0].name, "MIN");
    EXPECT_EQ(courses[1].name, "MAX");
    std::vector<Question> expected;
    for (const std::string name : {"LOW", "HIGH", "NAN"})
        expected.push_back({"ClubList: Z= 3", "CC: " + name, Buttons::Ok});
    EXPECT_EQ(shell_.questions(), expected);
}

TEST_F(TextClubList, DeviceListsTurnUnderscoreNamesIntoAliases) {
    const auto courses =
        Parse("_0012345 \"Alias\" 00100101 1.0 2.0 0 0 0 0 0 0 1.00\n", ClubListSide::Device);
    ASSERT_EQ(courses.size(), 1u);
    EXPECT_EQ(courses[0].fileKey, "_0012345");
    EXPECT_EQ(courses[0].name, "");
    EXPECT_EQ(courses[0].shortKey, "");
}

// Noise is the fuzz target's; these are the cuts a real list meets.
TEST_F(TextClubList, DamagedFilesNeverReadPastTheirEnd) {
    // A missing closing quote swallows what follows, up to the next quote;
    // a list cut in the middle of the numbers has no version.
    for (const std::string text :
         {"", "A", "AB \"", "ABC \"Alpha", "ABC \"Alpha 00000001 1.0 2.0 0 0 0 0 0 0 1.00\n",
          "ABC \"Alpha\" 00000001 1.0 2.0 0 0"})
        EXPECT_TRUE(Parse(text).empty()) << text;

    const auto overlong = Parse(std::string(300, 'N') + " \"" + std::string(400, 'T') +
                                "\" 00000001 1.0 2.0 0 0 0 0 0 0 1.50\n");
    ASSERT_EQ(overlong.size(), 1u);
    EXPECT_EQ(overlong[0].name, std::string(255, 'N'));
    EXPECT_EQ(overlong[0].title, std::string(255, 'T'));
}

}  // namespace
}  // namespace orvane
