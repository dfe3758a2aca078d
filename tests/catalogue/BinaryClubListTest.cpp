#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/BinaryClubList.h"

namespace orvane {
namespace {

constexpr int kZone = 2;

// Raw bounds as a record stores them: minLat, maxLon, maxLat, minLon.
using RawBounds = std::array<std::int32_t, 4>;
constexpr RawBounds kUnrelatedBounds{1, 2, 3, 4};

CourseNode Course(std::string name, std::int32_t id, double minLat, double maxLon, double maxLat,
                  double minLon, double version = 1.25) {
    CourseNode course{.zone = kZone, .id = id, .version = version};
    course.shortKey = ShortKeyFor(name);
    course.name = std::move(name);
    course.minLat = minLat;
    course.maxLon = maxLon;
    course.maxLat = maxLat;
    course.minLon = minLon;
    return course;
}

// A course whose bounds no record of these tests shares.
CourseNode Course(std::string name, std::int32_t id) {
    const double at = id % 1000;
    return Course(std::move(name), id, at, at + 10, at + 1, at + 9);
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

// What a record was read into, as one comparable line:
// zone|name|shortKey|fileKey|id|minLat,maxLon,maxLat,minLon|version.
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
    // The single record `text` parses to; fails the test on any other count.
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

TEST(PackedDms, KeepsMinutesAndSecondsInTheFraction) {
    const struct {
        double degrees, packed;
        std::int32_t stored;
    } cases[] = {{37.5, 3730.00000001, 37300000},
                 {-122.25, -12215.00000001, -122150000},
                 {37.5125, 3730.45000001, 37304500},
                 {0.0, -0.00000001, 0}};
    for (const auto& c : cases) {
        const double packed = ToPackedDms(c.degrees);
        EXPECT_NEAR(packed, c.packed, 1e-9) << c.degrees;
        EXPECT_EQ(static_cast<std::int32_t>(packed * 10000), c.stored) << c.degrees;
    }
}

TEST(BinaryRecord, IsWrittenByteForByte) {
    CourseNode plain = Course("ABC", 50101234, 37.5, 127.25, 37.75, 127.0, 1.25);
    CourseNode aliased = Course("PINEVALLEYCLUB", 51234567, -33.5, 151.0, -33.25, 150.75, 2.01);
    aliased.fileKey = "_0001234";
    std::string out = "before";
    AppendBinaryRecord(out, plain);
    AppendBinaryRecord(out, aliased);
    // The version is truncated (2.01 * 1000 is just below 2010).
    EXPECT_EQ(out,
              "before" + std::string("ABC_____ \xD2\x04\x00\x00\x20\x27\x39\x02\xB0\x27\x94\x07"
                                     "\x10\x71\x3B\x02\xC0\xDD\x91\x07\xE2\x04\r\n"
                                     "_0001234 \x87\xD6\x12\x00\xE0\xE1\x03\xFE\xC0\x13\x00\x09"
                                     "\xD0\x2B\x06\xFE\x50\xAF\xF7\x08\xD9\x07\r\n",
                                     66));
}

TEST(AliasList, ReadsPairsOfAliasAndName) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    const struct {
        std::string text;
        Pairs expected;
    } cases[] = {
        {"_01 ", {}},
        {"_0000001 PINE\r\n_0000002 OAK\n", {{"_0000001", "PINE"}, {"_0000002", "OAK"}}},
        {"_0000001  PINE\r\n\r\n\r\n    ", {{"_0000001", "PINE"}}},
        // A tail of four bytes or fewer is not read.
        {"_0000001 PINE\r\nAB", {{"_0000001", "PINE"}}},
        {"_0000001 PINE\r\n_0000003\r\n", {{"_0000001", "PINE"}, {"_0000003", ""}}},
    };
    for (const auto& c : cases) {
        Pairs actual;
        for (const CourseNode& alias : ParseAliasList(c.text))
            actual.emplace_back(alias.fileKey, alias.name);
        EXPECT_EQ(actual, c.expected) << c.text;
    }
}

TEST(ReferenceList, KeepsTheLeadingBytesOfEachLine) {
    using Lines = std::vector<std::pair<std::string, std::int32_t>>;
    const auto lines = [](const std::string& text) {
        Lines result;
        for (const ReferenceRecord& line : ParseReferenceList(text))
            result.emplace_back(line.name, line.byteCount);
        return result;
    };
    EXPECT_EQ(lines(""), Lines{});
    EXPECT_EQ(lines("ABCD"), (Lines{{"", 0}}));
    // A line longer than 36 bytes goes on as a record of its own.
    EXPECT_EQ(lines("LONGLINE " + std::string(31, 'x') + "\r\nNEXT____ abcdefgh\r\n"),
              (Lines{{"LONGLINE", 36}, {"xxxx", 4}, {"NEXT____", 17}}));
    // A tail of four bytes or fewer is not read.
    EXPECT_EQ(lines("ABCDEFGH\r\n12345").size(), 2u);
    EXPECT_EQ(lines("ABCDEFGH\r\n1234").size(), 1u);

    const std::string second = Record("SECOND__", 8);
    const std::vector<ReferenceRecord> records = ParseReferenceList(Record("FIRST___", 7) + second);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(std::string(records[1].raw.begin(), records[1].raw.begin() + 31),
              second.substr(0, 31));
}

// Keys by name, by alias of a short name and by alias of a long name, and a
// key cut from a long name, each read back from what the writer wrote.
TEST_F(BinaryClubListTest, WrittenRecordsReadBackAsTheCatalogue) {
    catalogue = {Course("ABC", 50101234, 37.5, 127.25, 37.75, 127.0, 1.25),
                 Course("LONGCOURSENAME", 51234567, 35.1111, 129.3333, 35.2, 129.1, 2.01),
                 Course("PINEVALLEYCLUB", 1200034, -33.5, 151.0, -33.25, 150.75, 0.5),
                 Course("SEASIDE", 1002, 12, 22, 13, 21)};
    catalogue[2].fileKey = "_0000009";
    catalogue[3].fileKey = "_0000007";
    aliases = {Alias("_0000009", "PINEVALLEYCLUB"), Alias("_0000007", "SEASIDE")};
    std::string text;
    for (const CourseNode& course : catalogue) AppendBinaryRecord(text, course);

    std::vector<std::string> read;
    for (const CourseNode& course : Parse(text)) read.push_back(Fields(course));
    EXPECT_EQ(read, (std::vector<std::string>{
                        "2|ABC|ABC_____||50101234|37.5,127.25,37.75,127|1.25",
                        "2|LONGCOURSENAME|LONGCOUR||51234567|35.1111,129.3333,35.2,129.1|2.01",
                        // Only a long name is kept under its alias.
                        "2|||_0000009|1200034|-33.5,151,-33.25,150.75|0.5",
                        "2|SEASIDE|SEASIDE_||1002|12,22,13,21|1.25"}));
}

TEST_F(BinaryClubListTest, FindsCoursesByBounds) {
    const RawBounds stored{371233, 1272500, 377500, 1270000};
    // Each bound is compared truncated: 37.1234 agrees with 371233.
    const CourseNode four = Course("FOUR", 2001, 37.1234, 127.25, 37.75, 127.0);
    const CourseNode three = Course("THREE", 2002, 37.1, 127.25, 37.75, 127.0);
    const CourseNode threeToo = Course("THREETOO", 2003, 37.1234, 127.3, 37.75, 127.0);
    const CourseNode two = Course("TWO", 2004, 37.1234, 127.25, 1, 1);
    const struct {
        std::vector<CourseNode> courses;
        std::string expected;
    } cases[] = {
        {{three, four}, "FOUR"}, {{three, threeToo}, "THREE"}, {{two, threeToo}, "THREETOO"}};
    for (const auto& c : cases) {
        catalogue = c.courses;
        EXPECT_EQ(ParseOne(Record("UNKNOWN_", 5, stored)).name, c.expected);
    }
}

TEST_F(BinaryClubListTest, RepairsDamagedKeys) {
    catalogue = {Course("REPAIRED", 3001), Course("SHIFTED", 3002), Course("PADDED", 3003)};
    aliases = {Alias("_0001234", "REPAIRED"), Alias("_BC05678", "SHIFTED"),
               Alias("_1200000", "PADDED")};
    const struct {
        std::string key;
        std::int32_t id;
        std::string name, fileKey;
    } cases[] = {
        {"_0A01234", 3001, "REPAIRED", ""},
        {"1BC45678", 3002, "SHIFTED", ""},
        {std::string("_12\0\0\0\0\0", 8), 3003, "PADDED", ""},
        // Not a damaged alias: the last two characters are no digits.
        {"1BC4567X", 5, "1BC4567X", ""},
        // A repair that finds nothing is not kept.
        {std::string("_X9\0\0\0\0\0", 8), 5, "", "_X9"},
    };
    for (const auto& c : cases) {
        const CourseNode record = ParseOne(Record(c.key, 5));
        EXPECT_EQ(record.id, c.id) << c.key;
        EXPECT_EQ(record.name, c.name) << c.key;
        EXPECT_EQ(record.fileKey, c.fileKey) << c.key;
    }
}

TEST_F(BinaryClubListTest, PairOfBoundsLetsTheIdChooseAmongNeighbours) {
    const RawBounds stored{100000, 200000, 70000, 80000};
    auto pairCourse = [](std::string name, std::int32_t id) {
        return Course(std::move(name), id, 10, 20, 50, 60);
    };
    const CourseNode noPair = Course("NOPAIR", 4000, 10, 21, 51, 61);
    const CourseNode otherPair = Course("OTHER", 4009, 30, 40, 7, 8);

    catalogue = {noPair, pairCourse("S", 4001), pairCourse("X", 4002), pairCourse("T", 77)};
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 77, stored)).name, "T");
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 99, stored)).name, "S");

    // Only the eight courses right behind the first are considered.
    catalogue = {pairCourse("S", 4001)};
    for (int i = 0; i < 8; ++i) catalogue.push_back(pairCourse("X", 4100 + i));
    catalogue.push_back(pairCourse("T", 77));
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 77, stored)).name, "S");

    // The first course sharing any pair decides, and brings only its own pair.
    catalogue = {otherPair, pairCourse("T", 77)};
    EXPECT_EQ(ParseOne(Record("PAIRKEY_", 77, stored)).name, "OTHER");
}

TEST_F(BinaryClubListTest, LongKeysFindNearlyEqualNames) {
    catalogue = {Course("SUNRISEXY", 5001), Course("SUNRISEVALLEY", 5002), Course("MOONLAKE", 5003),
                 Course("SHORTIE", 5004)};
    // A name beginning with the whole key beats an earlier near one; a name
    // shorter than the key differs where it has no characters.
    const std::pair<std::string, std::int32_t> cases[] = {
        {"SUNRISEV", 5002}, {"SUNRISEQ", 5001}, {"XUNRISEV", 5002}, {"MOONLAK_", 5003},
        {"MOONLAK", 5003},  {"MOONLQKE", 5003}, {"MOONLA__", 6},    {"SUNRIS", 6},
        {"SHORTIEX", 5004}, {"XHORTIE", 5004}};
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
    const CourseNode record = ParseOne(device);
    EXPECT_EQ(record.name, "REFKEY");
    EXPECT_EQ(record.id, 500);
    EXPECT_EQ(record.minLat, 37.5);

    // Between equally close lines the first wins.
    references = ParseReferenceList(server.substr(33) + server.substr(33));
    references[1].name = "OTHER___";
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

TEST_F(BinaryClubListTest, UnrecognisedRecordsKeepTheirOwnValuesOnlyWhenPlausible) {
    catalogue = {Course("ABC", 1001)};
    // The fields of the ZZZ record and of the ABC record before it.
    const auto read = [&](std::int32_t id, std::uint16_t version) {
        const std::vector<CourseNode> list = Parse(
            Record("ABC_____", 1) + Record("ZZZ_____", id, {373000, 1271500, 0, -5}, version));
        EXPECT_EQ(list.size(), 2u) << id;
        return list.size() == 2 ? std::pair(Fields(list[1]), Fields(list[0]))
                                : std::pair<std::string, std::string>();
    };
    EXPECT_EQ(read(1, 1000).first, "2|ZZZ|ZZZ_____||1|37.3,127.15,0,-0.0005|1.001");
    EXPECT_EQ(read(99990001, 4000).first, "2|ZZZ|ZZZ_____||99990001|37.3,127.15,0,-0.0005|4.001");
    EXPECT_EQ(read(5, 300).first, "2|ZZZ|ZZZ_____||5|37.3,127.15,0,-0.0005|0.301");
    // Any other id or version repeats the record before.
    const std::pair<std::int32_t, std::uint16_t> implausible[] = {
        {0, 1000}, {99990002, 1000}, {-5, 1000}, {5, 280}, {5, 5100}};
    for (const auto& [id, version] : implausible) {
        const auto [zzz, abc] = read(id, version);
        EXPECT_EQ(zzz, abc) << id << " v" << version;
    }
}

TEST_F(BinaryClubListTest, ImplausibleRecordsRepeatTheOneBefore) {
    catalogue = {Course("ABC", 1001), Course("PINEVALLEYCLUB", 1003)};
    aliases = {Alias("_0000009", "PINEVALLEYCLUB")};
    const std::string damaged = Record("JUNK____", 0);
    // Reading resumes after the CR LF of a damaged line, however long it is.
    std::string longer = damaged;
    longer.insert(longer.size() - 2, "xyz");

    std::vector<std::string> read;
    for (const CourseNode& course :
         Parse(longer + Record("ABC_____", 1) + damaged + Record("_0000009", 1) + longer))
        read.push_back(Fields(course));
    const std::string abc = "2|ABC|ABC_____||1001|1,11,2,10|1.001";
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

TEST_F(BinaryClubListTest, FieldsFollowTheBlankAfterTheKey) {
    // A short alias still has its fields from the ninth byte; a short name has
    // them right after its blank.
    const CourseNode alias = ParseOne(Record("_12 abcd", 4242));
    EXPECT_EQ(alias.fileKey, "_12");
    EXPECT_EQ(alias.id, 4242);
    const CourseNode name = ParseOne(Record("SHORT", 4243));
    EXPECT_EQ(name.name, "SHORT");
    EXPECT_EQ(name.id, 4243);
}

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

    // A tail shorter than a record reads as a damaged one.
    references.clear();
    const std::vector<CourseNode> tail = Parse(text + "\x01\x02\x03\x04\x05\x06");
    ASSERT_EQ(tail.size(), 4u);
    EXPECT_EQ(tail[3].fileKey, "_0000009");

    EXPECT_TRUE(Parse(text, -1).empty());
    EXPECT_TRUE(Parse(text, kZoneCount).empty());

    std::string noise;
    std::uint32_t state = 12345;
    for (int i = 0; i < 20011; ++i) {
        state = state * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(state >> 24));
    }
    for (const std::string& sample : {noise, noise.substr(0, 1), std::string(200, '\0'),
                                      std::string(200, ' '), std::string(200, '_')}) {
        aliases = ParseAliasList(sample);
        references = ParseReferenceList(sample);
        EXPECT_LE(references.size(), sample.size() + 1);
        const std::vector<CourseNode> list = Parse(text + sample);
        EXPECT_LE(list.size(), 4 + sample.size() / 25);
        for (const CourseNode& course : list) EXPECT_EQ(course.zone, kZone);
    }
}

}  // namespace
}  // namespace orvane
