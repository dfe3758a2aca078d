#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "catalogue/BinaryClubList.h"

namespace orvane {
namespace {

constexpr int kZone = 2;

// Raw bounds as a record stores them: minLat, maxLon, maxLat, minLon.
using RawBounds = std::array<std::int32_t, 4>;
constexpr RawBounds kUnrelatedBounds{1, 2, 3, 4};

CourseNode Course(const std::string& name, std::int32_t id, double minLat, double maxLon,
                  double maxLat, double minLon, double version = 1.25) {
    CourseNode course{.zone = kZone, .id = id, .name = name, .shortKey = ShortKeyFor(name)};
    course.version = version;
    std::tie(course.minLat, course.maxLon, course.maxLat, course.minLon) =
        std::tuple(minLat, maxLon, maxLat, minLon);
    return course;
}

// A course whose bounds no record of these tests shares.
CourseNode Course(const std::string& name, std::int32_t id) {
    const double at = id % 1000;
    return Course(name, id, at, at + 10, at + 1, at + 9);
}

CourseNode Alias(std::string fileKey, std::string name) {
    return CourseNode{.name = std::move(name), .fileKey = std::move(fileKey)};
}

void AppendLe(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i, value >>= 8) out.push_back(static_cast<char>(value & 0xFF));
}

// A device record spelled out byte by byte, independently of the writer.
std::string Record(const std::string& key, std::int32_t id, RawBounds bounds = kUnrelatedBounds,
                   std::uint16_t version = 1000) {
    std::string out = key + ' ';
    AppendLe(out, static_cast<std::uint32_t>(id), 4);
    for (const std::int32_t bound : bounds) AppendLe(out, static_cast<std::uint32_t>(bound), 4);
    AppendLe(out, version, 2);
    return out + "\r\n";
}

// zone|name|shortKey|fileKey|id|minLat,maxLon,maxLat,minLon|version
std::string Fields(const CourseNode& c) {
    std::ostringstream out;
    out << std::setprecision(10) << c.zone << '|' << c.name << '|' << c.shortKey << '|' << c.fileKey
        << '|' << c.id << '|' << c.minLat << ',' << c.maxLon << ',' << c.maxLat << ',' << c.minLon
        << '|' << c.version;
    return out.str();
}

class BinaryClubListTest : public ::testing::Test {
protected:
    std::vector<CourseNode> Parse(const std::string& text, int zone = kZone) {
        return ParseBinaryClubList(text, zone, data);
    }
    CourseNode ParseOne(const std::string& text) {
        const std::vector<CourseNode> list = Parse(text);
        EXPECT_EQ(list.size(), 1u);
        return list.empty() ? CourseNode{} : list.front();
    }

    CatalogueData data;
    std::vector<CourseNode>& catalogue = data.CatalogueList[kZone];
    std::vector<CourseNode>& aliases = data.AliasList[kZone];
    std::vector<ReferenceRecord>& references = data.ReferenceList[kZone];
};

// 37°01'42" packs to 3701.4199999..., which truncates a unit short but for the nudge.
TEST(BinaryRecord, IsWrittenByteForByte) {
    CourseNode plain = Course("ABC", 50101234, 37.02833333333333, 127.25, 37.75, 127.0, 1.25);
    CourseNode aliased = Course("PINEVALLEYCLUB", 51234567, -33.5, 151.0, -33.25, 150.75, 2.01);
    aliased.fileKey = "_0001234";
    std::string out = "before";
    AppendBinaryRecord(out, plain);
    AppendBinaryRecord(out, aliased);
    // The version is truncated (2.01 * 1000 is just below 2010).
    EXPECT_EQ(out,
              "before" + std::string("ABC_____ \xD2\x04\x00\x00\xB8\xCA\x34\x02\xB0\x27\x94\x07"
                                     "\x10\x71\x3B\x02\xC0\xDD\x91\x07\xE2\x04\r\n"
                                     "_0001234 \x87\xD6\x12\x00\xE0\xE1\x03\xFE\xC0\x13\x00\x09"
                                     "\xD0\x2B\x06\xFE\x50\xAF\xF7\x08\xD9\x07\r\n",
                                     66));
}

// All four bounds beat an earlier three of four. Each bound is compared
// truncated: 37.1234 agrees with 371233.
TEST_F(BinaryClubListTest, FindsCoursesByBounds) {
    const RawBounds stored{371233, 1272500, 377500, 1270000};
    const CourseNode four = Course("FOUR", 2001, 37.1234, 127.25, 37.75, 127.0);
    const CourseNode three = Course("THREE", 2002, 37.1, 127.25, 37.75, 127.0);
    const CourseNode two = Course("TWO", 2004, 37.1234, 127.25, 1, 1);
    catalogue = {three, four};
    EXPECT_EQ(ParseOne(Record("UNKNOWN_", 5, stored)).name, "FOUR");
    catalogue = {two, three};
    EXPECT_EQ(ParseOne(Record("UNKNOWN_", 5, stored)).name, "THREE");
}

// Aliases whose digits were overwritten or that lost their "_"; a repair that
// finds nothing is not kept, and its short alias has its fields from byte 9.
TEST_F(BinaryClubListTest, RepairsDamagedKeys) {
    catalogue = {Course("REPAIRED", 3001), Course("SHIFTED", 3002)};
    aliases = {Alias("_0001234", "REPAIRED"), Alias("_BC05678", "SHIFTED")};
    EXPECT_EQ(ParseOne(Record("_0A01234", 5)).name, "REPAIRED");
    EXPECT_EQ(ParseOne(Record("1BC45678", 5)).name, "SHIFTED");
    EXPECT_EQ(Fields(ParseOne(Record(std::string("_X9\0\0\0\0\0", 8), 5))),
              "2|||_X9|5|0.0001,0.0002,0.0003,0.0004|1.001");
}

// A course sharing only one bound is passed over; among those sharing a pair
// of bounds with the record, the id decides.
TEST_F(BinaryClubListTest, PairOfBoundsLetsTheIdChooseAmongNeighbours) {
    const RawBounds stored{100000, 200000, 70000, 80000};
    catalogue = {Course("NOPAIR", 4000, 10, 21, 51, 61), Course("S", 4001, 10, 20, 50, 60),
                 Course("T", 77, 10, 20, 50, 60)};
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 77, stored)).name, "T");
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 99, stored)).name, "S");

    // Only the eight courses right behind the first are considered.
    catalogue = {Course("S", 4001, 10, 20, 50, 60)};
    for (int i = 0; i < 8; ++i) catalogue.push_back(Course("X", 4100 + i, 10, 20, 50, 60));
    catalogue.push_back(Course("T", 77, 10, 20, 50, 60));
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 77, stored)).name, "S");
}

// A name beginning with the whole key beats an earlier near one; a name
// shorter than the key differs where it has no characters. A short key that
// finds nothing has its fields right after its blank.
TEST_F(BinaryClubListTest, LongKeysFindNearlyEqualNames) {
    catalogue = {Course("SUNRISEXY", 5001), Course("SUNRISEVALLEY", 5002), Course("SHORTIE", 5004)};
    const std::pair<std::string, std::int32_t> cases[] = {
        {"SUNRISEV", 5002}, {"XUNRISEV", 5002}, {"SUNRIS", 6}, {"SHORTIEX", 5004}};
    for (const auto& [key, id] : cases) EXPECT_EQ(ParseOne(Record(key, 6)).id, id) << key;
}

TEST_F(BinaryClubListTest, ServerLinesLendTheirKeyToUnrecognisedRecords) {
    catalogue = {Course("OTHER", 600, 30, 40, 31, 39),
                 Course("REFKEY", 500, 37.5, 127.25, 37.75, 127)};
    std::string server;
    for (const CourseNode& course : catalogue) AppendBinaryRecord(server, course);
    references = ParseReferenceList(server);

    // The device's copy of the REFKEY line with its first character damaged.
    std::string device = server.substr(33);
    device[0] = '#';
    EXPECT_EQ(ParseOne(device).name, "REFKEY");
}

TEST_F(BinaryClubListTest, NewerDeviceVersionIsKeptOnlyFromOnePointZero) {
    catalogue = {Course("VERS", 7001, 10, 20, 11, 19, 1.25)};
    const std::pair<std::uint16_t, double> cases[] = {{899, 1.25}, {1099, 1.1}, {1299, 1.25}};
    for (const auto& [stored, expected] : cases) {
        EXPECT_NEAR(ParseOne(Record("VERS____", 1, kUnrelatedBounds, stored)).version, expected,
                    1e-9)
            << stored;
    }
}

// An unrecognised record keeps its own fields only with a plausible id and
// version; otherwise it repeats the record before, so the list keeps one
// entry per line of the file.
TEST_F(BinaryClubListTest, ImplausibleUnrecognisedRecordsRepeatTheOneBefore) {
    catalogue = {Course("ABC", 1001), Course("PINEVALLEYCLUB", 1003)};
    aliases = {Alias("_0000009", "PINEVALLEYCLUB")};
    const RawBounds bounds{373000, 1271500, 0, -5};
    const auto zzz = [&](std::int32_t id, std::uint16_t version) {
        const std::vector<CourseNode> list =
            Parse(Record("ABC_____", 1) + Record("ZZZ_____", id, bounds, version));
        return list.size() == 2 ? Fields(list[1]) : std::string();
    };
    EXPECT_EQ(zzz(1, 300), "2|ZZZ|ZZZ_____||1|37.3,127.15,0,-0.0005|0.301");
    EXPECT_EQ(zzz(99990001, 4000), "2|ZZZ|ZZZ_____||99990001|37.3,127.15,0,-0.0005|4.001");
    const std::string abc = "2|ABC|ABC_____||1001|1,11,2,10|1.001";
    const std::pair<std::int32_t, std::uint16_t> implausible[] = {
        {0, 1000}, {99990002, 1000}, {5, 280}, {5, 5100}};
    for (const auto& [id, version] : implausible) EXPECT_EQ(zzz(id, version), abc) << version;

    // Reading resumes after the CR LF of a damaged line, however long it is.
    std::string longer = Record("JUNK____", 0);
    longer.insert(longer.size() - 2, "xyz");
    std::vector<std::string> read;
    for (const CourseNode& course : Parse(longer + Record("ABC_____", 1) + Record("JUNK____", 0) +
                                          Record("_0000009", 1) + longer))
        read.push_back(Fields(course));
    const std::string pine = "2|||_0000009|1003|3,13,4,12|1.001";
    EXPECT_EQ(read, (std::vector<std::string>{abc, abc, pine, pine}));
}

TEST_F(BinaryClubListTest, ZoneFourHasNoMapsForSomeAreas) {
    catalogue = data.CatalogueList[4] = {Course("SKIPPED", 110012)};
    const std::string text = Record("SKIPPED_", 1) + Record("A_______", 10020001) +
                             Record("B_______", 20010005) + Record("C_______", 120000);
    const std::vector<CourseNode> zoneFour = Parse(text, 4);
    ASSERT_EQ(zoneFour.size(), 1u);
    EXPECT_EQ(zoneFour[0].id, 120000);
    EXPECT_EQ(Parse(text).size(), 4u);
}

// Noise is the fuzz target's; a cut file keeps the records before the cut.
TEST_F(BinaryClubListTest, DamagedFilesNeitherCrashNorInventCourses) {
    catalogue = {Course("ABC", 1001), Course("DEF", 1002), Course("PINEVALLEYCLUB", 1003)};
    catalogue[2].fileKey = "_0000009";
    aliases = {Alias("_0000009", "PINEVALLEYCLUB")};
    std::string text;
    for (const CourseNode& course : catalogue) AppendBinaryRecord(text, course);
    references = ParseReferenceList(text);
    const std::vector<CourseNode> whole = Parse(text);
    ASSERT_EQ(whole.size(), 3u);

    for (std::size_t length = 0; length <= text.size(); ++length) {
        SCOPED_TRACE(length);
        const std::vector<CourseNode> cut = Parse(text.substr(0, length));
        if (length <= 4) {
            EXPECT_TRUE(cut.empty());
        }
        ASSERT_LE(cut.size(), 3u);
        ASSERT_GE(cut.size(), length / 33);
        for (std::size_t i = 0; i < length / 33; ++i) EXPECT_EQ(cut[i].id, whole[i].id);
    }

    EXPECT_TRUE(Parse(text, -1).empty());
    EXPECT_TRUE(Parse(text, kZoneCount).empty());
}

}  // namespace
}  // namespace orvane
