#include <gtest/gtest.h>

#include <array>

#include "catalogue/ClubListText.h"
#include "support/RecordingShell.h"

namespace orvane {
namespace {

using testing::RecordingShell;

TEST(SkipTokens, CountsBlanksAndStopsAtTheLineEnd) {
    struct Case {
        std::string text;
        std::size_t position;
        int count;
        std::size_t expected;
    };
    const Case cases[] = {
        {"ab cd ef", 0, 0, 0},    {"ab cd ef", 0, 1, 3},  {"ab cd ef", 0, 2, 6},
        {"ab  cd", 0, 1, 4},       // a blank right after the skip is stepped over too
        {"ab\r\ncd ef", 0, 3, 4},  // CR LF ends the skip early
        {"ab\ncd ef", 0, 3, 3},   {"ab\rcd ef", 0, 1, 6},  // a lone CR is an ordinary byte
        {"abcdef", 0, 2, 6},      {"ab cd", 5, 1, 5},     {"ab cd", 9, 1, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SkipTokens(c.text, c.position, c.count, c.text.size()), c.expected)
            << '"' << c.text << "\" from " << c.position << " by " << c.count;
    }
    // At the length, only a blank there moves the position (by one).
    EXPECT_EQ(SkipTokens("ab ", 2, 1, 2), 3u);
}

class TextClubList : public ::testing::Test {
protected:
    std::vector<CourseNode> Parse(const std::string& text,
                                  ClubListSide side = ClubListSide::Catalogue) {
        return ParseTextClubList(text, 3, side, ui_);
    }

    RecordingShell shell_;
    Ui ui_{shell_, Language::English};
};

TEST_F(TextClubList, ReadsEveryFieldOfALine) {
    const auto courses = Parse(
        "ABC \"Alpha Hills CC\" 00123456 37.500000 127.000000 1000 -2000 0 0 500 500 1.25\r\n"
        "LONGERNAME1 \"Beta\" 00200301 35.000000 129.000000 0 0 0 0 0 0 2.00\n");
    ASSERT_EQ(courses.size(), 2u);
    const CourseNode& abc = courses[0];
    EXPECT_EQ(abc.zone, 3);
    EXPECT_EQ(abc.name, "ABC");
    EXPECT_EQ(abc.title, "Alpha Hills CC");
    EXPECT_EQ(abc.shortKey, "ABC_____");
    EXPECT_EQ(abc.id, 123456);
    EXPECT_EQ((std::array{abc.maxLat, abc.minLat, abc.minLon, abc.maxLon, abc.version}),
              (std::array{37.501, 37.5, 126.998, 127.0005, 1.25}));
    EXPECT_EQ(abc.points[0].dLon, -2000);
    EXPECT_EQ(courses[1].shortKey, "LONGERNA");
    EXPECT_TRUE(shell_.questions().empty());
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
    const std::vector<Question> expected = {
        {"ClubList: Z= 3", "CC: LOW", Buttons::Ok},
        {"ClubList: Z= 3", "CC: HIGH", Buttons::Ok},
        {"ClubList: Z= 3", "CC: NAN", Buttons::Ok},
    };
    EXPECT_EQ(shell_.questions(), expected);
}

TEST_F(TextClubList, DeviceListsTurnUnderscoreNamesIntoAliases) {
    const auto courses = Parse(
        "_0012345 \"Alias\" 00100101 1.0 2.0 0 0 0 0 0 0 1.00\n"
        "PLAIN \"Plain\" 00100102 1.0 2.0 0 0 0 0 0 0 1.00\n",
        ClubListSide::Device);
    ASSERT_EQ(courses.size(), 2u);
    EXPECT_EQ(courses[0].fileKey, "_0012345");
    EXPECT_EQ(courses[0].name, "");
    EXPECT_EQ(courses[1].name, "PLAIN");
    EXPECT_EQ(courses[1].shortKey, "");
}

TEST_F(TextClubList, DamagedFilesNeverReadPastTheirEnd) {
    // A missing closing quote swallows what follows, up to the next quote;
    // a list cut in the middle of the numbers has no version.
    for (const std::string text :
         {"", "A", "AB \"", "ABC \"Alpha", "ABC \"Alpha 00000001 1.0 2.0 0 0 0 0 0 0 1.00\n",
          "ABC \"Alpha\" 00000001 1.0 2.0 0 0"})
        EXPECT_TRUE(Parse(text).empty()) << text;

    std::string noise(64 * 1024, '\0');
    std::uint32_t state = 12345;
    for (char& c : noise) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    // AddressSanitizer watches the reads; whatever comes through is whole.
    for (const CourseNode& course : Parse(noise)) {
        EXPECT_GE(course.version, 0.3);
        EXPECT_LE(course.version, 9.99);
        EXPECT_LE(course.name.size(), 255u);
    }
}

TEST_F(TextClubList, OverlongNamesAndTitlesAreCut) {
    const std::string name(300, 'N');
    const std::string title(400, 'T');
    const auto courses = Parse(name + " \"" + title + "\" 00000001 1.0 2.0 0 0 0 0 0 0 1.50\n");
    ASSERT_EQ(courses.size(), 1u);
    EXPECT_EQ(courses[0].name, std::string(255, 'N'));
    EXPECT_EQ(courses[0].title, std::string(255, 'T'));
    EXPECT_DOUBLE_EQ(courses[0].version, 1.5);
}

TEST_F(TextClubList, AFiftyMegabyteListLoadsWhole) {
    const std::string line =
        "COURSE \"Some Golf Club\" 00100101 37.123456 127.654321 "
        "1000 2000 -1000 500 300 -300 1.25\r\n";
    std::string text;
    text.reserve(50u << 20);
    while (text.size() + line.size() <= (50u << 20)) text += line;
    EXPECT_EQ(Parse(text).size(), text.size() / line.size());
}

TEST(TextClubListWriter, WritesTheLineFormat) {
    CourseNode course;
    course.name = "ABC";
    course.title = "Alpha Hills CC";
    course.id = 123456;
    course.lat = 37.5;
    course.lon = 127.0;
    course.points = {{{1000, -2000}, {0, 0}, {500, 500}}};
    course.version = 1.25;
    std::string text;
    AppendTextClubListLine(text, course);
    EXPECT_EQ(text,
              "ABC \"Alpha Hills CC\" 00123456 37.500000 127.000000 1000 -2000 0 0 500 500 1.25\n");
}

}  // namespace
}  // namespace orvane
