#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "catalogue/ClubListText.h"
#include "support/RecordingShell.h"
#include "util/Scan.h"
#include "util/Text.h"

namespace orvane {
namespace {

// The text club list read the way the format is defined, one step after the
// other: each group of values read by one scan from where the group starts,
// the position moved on by SkipTokens over the group, the title found by its
// quotes. The parser must agree with it on every text, however damaged.
std::vector<CourseNode> ReadAsDefined(const std::string& text, int zone, ClubListSide side,
                                      Ui& ui) {
    std::vector<CourseNode> courses;
    const std::size_t length = text.size();
    std::size_t position = 0;
    while (length > 4 && position + 4 < length) {
        CourseNode course;
        std::string name;
        ScanReader(text, position).Token(name, kMaxCourseText);
        position = SkipTokens(text, position, 1, length);

        const std::size_t titleStart = position + 1;
        std::size_t close = titleStart;
        while (close < length && text[close] != '"') ++close;
        if (titleStart < close)
            course.title = text.substr(titleStart, std::min(close - titleStart, kMaxCourseText));
        position = close + 2;

        ScanReader fields(text, position);
        fields.Int(course.id);
        fields.Double(course.lat);
        fields.Double(course.lon);
        position = SkipTokens(text, position, 3, length);
        for (PointOffset& point : course.points) {
            ScanReader pair(text, position);
            pair.Int(point.dLat);
            pair.Int(point.dLon);
            position = SkipTokens(text, position, 2, length);
        }
        const std::size_t versionStart = position;
        ScanReader(text, position).Double(course.version);
        position = SkipTokens(text, position, 1, length);
        ComputeBounds(course);

        if (!(course.version >= 0.3 && course.version <= 9.99)) {
            ui.Ask(Format("ClubList: Z= %d", zone), Format("CC: %s", name.c_str()), Buttons::Ok);
            position = versionStart;
            while (position < length && text[position] != '\r' && text[position] != '\n')
                ++position;
            while (position < length && (text[position] == '\r' || text[position] == '\n'))
                ++position;
            continue;
        }
        course.zone = zone;
        if (side == ClubListSide::Catalogue) course.shortKey = ShortKeyFor(name);
        (side == ClubListSide::Device && name.starts_with('_') ? course.fileKey : course.name) =
            name;
        courses.push_back(std::move(course));
    }
    return courses;
}

// Every field, numbers to the last bit.
std::string Fields(const CourseNode& course) {
    std::string out = Format("%d %d [%s] [%s] [%s] [%s] %c", course.zone, course.id,
                             course.name.c_str(), course.title.c_str(), course.fileKey.c_str(),
                             course.shortKey.c_str(), static_cast<char>(course.mark));
    for (double value : {course.version, course.lat, course.lon, course.minLat, course.maxLat,
                         course.minLon, course.maxLon})
        out += Format(" %a", value);
    for (const PointOffset& point : course.points) out += Format(" %d,%d", point.dLat, point.dLon);
    return out;
}

std::vector<std::string> AllFields(const std::vector<CourseNode>& courses) {
    std::vector<std::string> out;
    for (const CourseNode& course : courses) out.push_back(Fields(course));
    return out;
}

// Lines as the server writes them, then bent: characters replaced, dropped
// and added from a set of blanks, quotes, signs, digits and zero bytes, and
// the end cut off now and then.
std::string DamagedList(std::mt19937& random) {
    using namespace std::string_view_literals;
    static constexpr std::string_view kNoise = "  \t\r\n\"\0-+.eE0123456789_ABx"sv;
    std::string text;
    for (unsigned long lines = random() % 4 + 1; lines > 0; --lines) {
        CourseNode course;
        course.name = (random() % 4 == 0 ? "_" : "CC") + std::to_string(random() % 100000);
        course.title = "Course " + std::to_string(random() % 1000);
        course.id = static_cast<std::int32_t>(random() % 100000000);
        course.lat = static_cast<double>(random() % 180000000) / 1e6 - 90;
        course.lon = static_cast<double>(random() % 360000000) / 1e6 - 180;
        for (PointOffset& point : course.points) {
            point.dLat = static_cast<std::int32_t>(random() % 20001) - 10000;
            point.dLon = static_cast<std::int32_t>(random() % 20001) - 10000;
        }
        course.version = static_cast<double>(random() % 1200) / 100;
        AppendTextClubListLine(text, course);
        if (random() % 3 == 0) text.insert(text.size() - 1, "\r");
    }
    for (unsigned long edits = random() % 6; edits > 0 && !text.empty(); --edits) {
        const std::size_t at = random() % text.size();
        const char noise = kNoise[random() % kNoise.size()];
        switch (random() % 3) {
            case 0:
                text[at] = noise;
                break;
            case 1:
                text.erase(at, 1);
                break;
            default:
                text.insert(at, 1, noise);
        }
    }
    if (random() % 5 == 0 && !text.empty()) text.resize(random() % text.size());
    return text;
}

TEST(TextClubListReading, AgreesWithTheFormatsDefinitionOnDamagedLists) {
    std::mt19937 random(4242);
    for (int i = 0; i < 20000; ++i) {
        const std::string text = DamagedList(random);
        const ClubListSide side = i % 2 == 0 ? ClubListSide::Catalogue : ClubListSide::Device;
        testing::RecordingShell parsedShell, definedShell;
        Ui parsedUi(parsedShell, Language::English), definedUi(definedShell, Language::English);
        const auto parsed = AllFields(ParseTextClubList(text, 7, side, parsedUi));
        const auto defined = AllFields(ReadAsDefined(text, 7, side, definedUi));
        ASSERT_EQ(parsed, defined) << ::testing::PrintToString(text);
        ASSERT_EQ(parsedShell.questions(), definedShell.questions())
            << ::testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace orvane
