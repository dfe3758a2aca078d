#include <gtest/gtest.h>

#include <array>
#include <cstdint>
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
    CourseNode course;
    course.zone = kZone;
    course.id = id;
    course.shortKey = ShortKeyFor(name);
    course.name = std::move(name);
    course.minLat = minLat;
    course.maxLon = maxLon;
    course.maxLat = maxLat;
    course.minLon = minLon;
    course.version = version;
    return course;
}

CourseNode Alias(std::string fileKey, std::string name) {
    CourseNode alias;
    alias.fileKey = std::move(fileKey);
    alias.name = std::move(name);
    return alias;
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
    } cases[] = {
        {37.5, 3730.00000001, 37300000},
        {-122.25, -12215.00000001, -122150000},
        {37.5125, 3730.45000001, 37304500},
        {127.0, 12700.00000001, 127000000},
        {0.0, -0.00000001, 0},
    };
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
    const struct {
        const CourseNode& course;
        std::string expected;
    } cases[] = {
        {plain, std::string("ABC_____ \xD2\x04\x00\x00\x20\x27\x39\x02\xB0\x27\x94\x07"
                            "\x10\x71\x3B\x02\xC0\xDD\x91\x07\xE2\x04\r\n",
                            33)},
        // The version is truncated (2.01 * 1000 is just below 2010).
        {aliased, std::string("_0001234 \x87\xD6\x12\x00\xE0\xE1\x03\xFE\xC0\x13\x00\x09"
                              "\xD0\x2B\x06\xFE\x50\xAF\xF7\x08\xD9\x07\r\n",
                              33)},
    };
    for (const auto& c : cases) {
        std::string out = "before";
        AppendBinaryRecord(out, c.course);
        EXPECT_EQ(out, "before" + c.expected) << c.course.name;
    }
}

TEST(AliasList, ReadsPairsOfAliasAndName) {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    const struct {
        std::string text;
        Pairs expected;
    } cases[] = {
        {"", {}},
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
    EXPECT_TRUE(ParseReferenceList("").empty());
    const std::vector<ReferenceRecord> tiny = ParseReferenceList("ABCD");
    ASSERT_EQ(tiny.size(), 1u);
    EXPECT_EQ(tiny[0].byteCount, 0);
    EXPECT_EQ(tiny[0].name, "");

    const std::string first = Record("FIRST___", 7);
    const std::string second = Record("SECOND__", 8);
    const std::vector<ReferenceRecord> lines = ParseReferenceList(first + second);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].name, "SECOND__");
    EXPECT_EQ(lines[1].byteCount, 31);
    EXPECT_EQ(std::string(lines[1].raw.begin(), lines[1].raw.begin() + 31), second.substr(0, 31));

    // A line longer than 36 bytes goes on as a record of its own.
    const std::vector<ReferenceRecord> split =
        ParseReferenceList("LONGLINE " + std::string(31, 'x') + "\r\nNEXT____ abcdefgh\r\n");
    ASSERT_EQ(split.size(), 3u);
    EXPECT_EQ(split[0].name, "LONGLINE");
    EXPECT_EQ(split[0].byteCount, 36);
    EXPECT_EQ(split[1].name, "xxxx");
    EXPECT_EQ(split[1].byteCount, 4);
    EXPECT_EQ(split[2].name, "NEXT____");
    EXPECT_EQ(split[2].byteCount, 17);

    // A tail of four bytes or fewer is not read.
    EXPECT_EQ(ParseReferenceList("ABCDEFGH\r\n12345").size(), 2u);
    EXPECT_EQ(ParseReferenceList("ABCDEFGH\r\n1234").size(), 1u);
}

TEST_F(BinaryClubListTest, WrittenRecordsReadBackAsTheCatalogue) {
    catalogue = {Course("ABC", 50101234, 37.5, 127.25, 37.75, 127.0, 1.25),
                 Course("LONGCOURSENAME", 51234567, 35.1111, 129.3333, 35.2, 129.1, 2.01),
                 Course("PINEVALLEYCLUB", 1200034, -33.5, 151.0, -33.25, 150.75, 0.5)};
    catalogue[2].fileKey = "_0000009";
    aliases = {Alias("_0000009", "PINEVALLEYCLUB")};

    std::string text;
    for (const CourseNode& course : catalogue) AppendBinaryRecord(text, course);
    const std::vector<CourseNode> list = Parse(text);

    ASSERT_EQ(list.size(), 3u);
    const struct {
        std::string name, shortKey, fileKey;
    } keys[] = {{"ABC", "ABC_____", ""}, {"LONGCOURSENAME", "LONGCOUR", ""}, {"", "", "_0000009"}};
    for (std::size_t i = 0; i < list.size(); ++i) {
        const CourseNode& course = catalogue[i];
        EXPECT_EQ(list[i].name, keys[i].name) << i;
        EXPECT_EQ(list[i].shortKey, keys[i].shortKey) << i;
        EXPECT_EQ(list[i].fileKey, keys[i].fileKey) << i;
        EXPECT_EQ(list[i].zone, kZone) << i;
        EXPECT_EQ(list[i].id, course.id) << i;
        EXPECT_EQ(list[i].minLat, course.minLat) << i;
        EXPECT_EQ(list[i].maxLon, course.maxLon) << i;
        EXPECT_EQ(list[i].maxLat, course.maxLat) << i;
        EXPECT_EQ(list[i].minLon, course.minLon) << i;
        EXPECT_NEAR(list[i].version, course.version, 1e-9) << i;
        EXPECT_EQ(list[i].title, "") << i;
    }
}

TEST_F(BinaryClubListTest, FindsCoursesByKeyAndAlias) {
    catalogue = {Course("ABC", 1001, 10, 20, 11, 19), Course("SEASIDE", 1002, 12, 22, 13, 21),
                 Course("PINEVALLEYCLUB", 1003, 14, 24, 15, 23)};
    aliases = {Alias("_0000007", "SEASIDE"), Alias("_0000009", "PINEVALLEYCLUB")};
    const struct {
        std::string key;
        std::int32_t id;
        std::string name, shortKey, fileKey;
    } cases[] = {
        {"ABC_____", 1001, "ABC", "ABC_____", ""},
        {"_0000007", 1002, "SEASIDE", "SEASIDE_", ""},
        // Only a long name is kept under its alias.
        {"_0000009", 1003, "", "", "_0000009"},
    };
    for (const auto& c : cases) {
        const CourseNode record = ParseOne(Record(c.key, 5));
        EXPECT_EQ(record.id, c.id) << c.key;
        EXPECT_EQ(record.name, c.name) << c.key;
        EXPECT_EQ(record.shortKey, c.shortKey) << c.key;
        EXPECT_EQ(record.fileKey, c.fileKey) << c.key;
    }
    const CourseNode byName = ParseOne(Record("ABC_____", 5));
    EXPECT_EQ(byName.minLat, 10);
    EXPECT_EQ(byName.maxLon, 20);
    EXPECT_EQ(byName.maxLat, 11);
    EXPECT_EQ(byName.minLon, 19);
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
        {{three, four}, "FOUR"},
        {{three, threeToo}, "THREE"},
        {{two, threeToo}, "THREETOO"},
    };
    for (const auto& c : cases) {
        catalogue = c.courses;
        EXPECT_EQ(ParseOne(Record("UNKNOWN_", 5, stored)).name, c.expected);
    }
}

TEST_F(BinaryClubListTest, RepairsDamagedKeys) {
    catalogue = {Course("REPAIRED", 3001, 10, 20, 11, 19), Course("SHIFTED", 3002, 12, 22, 13, 21),
                 Course("PADDED", 3003, 14, 24, 15, 23)};
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
    catalogue = {Course("SUNRISEXY", 5001, 10, 20, 11, 19),
                 Course("SUNRISEVALLEY", 5002, 12, 22, 13, 21),
                 Course("MOONLAKE", 5003, 14, 24, 15, 23), Course("SHORTIE", 5004, 16, 26, 17, 25)};
    const struct {
        std::string key;
        std::int32_t id;
    } cases[] = {
        // A name beginning with the whole key beats an earlier near one.
        {"SUNRISEV", 5002},
        {"SUNRISEQ", 5001},
        {"XUNRISEV", 5002},
        {"MOONLAK_", 5003},
        {"MOONLAK", 5003},
        // A name shorter than the key differs where it has no characters.
        {"SHORTIEX", 5004},
        {"XHORTIE", 5004},
        {"MOONLQKE", 5003},
        {"MOONLA__", 6},
        {"SUNRIS", 6},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseOne(Record(c.key, 6)).id, c.id) << c.key;
}

TEST_F(BinaryClubListTest, ServerLinesLendTheirKeyToUnrecognisedRecords) {
    catalogue = {Course("OTHER", 600, 30, 40, 31, 39), Course("REFKEY", 500, 37.5, 127.25, 37.75, 127)};
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
    const struct {
        std::uint16_t stored;
        double expected;
    } cases[] = {{899, 1.25}, {1099, 1.1}, {1299, 1.25}};
    for (const auto& c : cases)
        EXPECT_NEAR(ParseOne(Record("VERS____", 1, kUnrelatedBounds, c.stored)).version, c.expected,
                    1e-9)
            << c.stored;
}

TEST_F(BinaryClubListTest, UnrecognisedRecordsKeepTheirOwnValuesWhenPlausible) {
    catalogue = {Course("ABC", 1001, 10, 20, 11, 19)};
    const struct {
        std::int32_t id;
        std::uint16_t version;
        bool plausible;
    } cases[] = {{0, 1000, false},        {1, 1000, true},     {99990001, 4000, true},
                 {99990002, 1000, false}, {-5, 1000, false},   {5, 280, false},
                 {5, 5100, false},        {5, 300, true}};
    for (const auto& c : cases) {
        const std::vector<CourseNode> list =
            Parse(Record("ABC_____", 1) + Record("ZZZ_____", c.id, {373000, 1271500, 0, -5}, c.version));
        ASSERT_EQ(list.size(), 2u) << c.id;
        if (c.plausible) {
            EXPECT_EQ(list[1].name, "ZZZ") << c.id;
            EXPECT_EQ(list[1].shortKey, "ZZZ_____") << c.id;
            EXPECT_EQ(list[1].id, c.id);
            EXPECT_DOUBLE_EQ(list[1].minLat, 37.3);
            EXPECT_DOUBLE_EQ(list[1].maxLon, 127.15);
            EXPECT_DOUBLE_EQ(list[1].minLon, -0.0005);
            EXPECT_NEAR(list[1].version, c.version * 0.001 + 0.001, 1e-12);
        } else {
            EXPECT_EQ(list[1].name, "ABC") << c.id;
            EXPECT_EQ(list[1].id, 1001) << c.id;
        }
    }
}

TEST_F(BinaryClubListTest, ImplausibleRecordsRepeatTheOneBefore) {
    catalogue = {Course("ABC", 1001, 10, 20, 11, 19, 1.5),
                 Course("PINEVALLEYCLUB", 1003, 14, 24, 15, 23)};
    aliases = {Alias("_0000009", "PINEVALLEYCLUB")};
    const std::string damaged = Record("JUNK____", 0);
    // Reading resumes after the CR LF of a damaged line, however long it is.
    std::string longer = damaged;
    longer.insert(longer.size() - 2, "xyz");

    const std::vector<CourseNode> list =
        Parse(longer + Record("ABC_____", 1) + damaged + Record("_0000009", 1) + longer);

    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].name, "ABC");
    EXPECT_EQ(list[1].shortKey, "ABC_____");
    EXPECT_EQ(list[1].id, 1001);
    EXPECT_EQ(list[1].maxLon, 20);
    EXPECT_EQ(list[1].version, list[0].version);
    EXPECT_EQ(list[3].fileKey, "_0000009");
    EXPECT_EQ(list[3].name, "");
    EXPECT_EQ(list[3].id, 1003);
}

TEST_F(BinaryClubListTest, ZoneFourHasNoMapsForSomeAreas) {
    catalogue = data.CatalogueList[4] = {Course("SKIPPED", 110012, 10, 20, 11, 19)};
    const std::string text = Record("SKIPPED_", 1) + Record("A_______", 10020001) +
                             Record("B_______", 20010005) + Record("C_______", 120000);
    const std::vector<CourseNode> zoneFour = Parse(text, 4);
    ASSERT_EQ(zoneFour.size(), 1u);
    EXPECT_EQ(zoneFour[0].id, 120000);
    EXPECT_EQ(Parse(text).size(), 4u);
}

TEST_F(BinaryClubListTest, LongNamesAreKeptUnderTheirEightCharacterKey) {
    catalogue = {Course("LONGCOURSENAME", 8001, 10, 20, 11, 19)};
    const CourseNode record = ParseOne(Record("LONGCOUR", 8001));
    EXPECT_EQ(record.shortKey, "LONGCOUR");
    EXPECT_EQ(record.name, "LONGCOURSENAME");
    EXPECT_EQ(FirstGenerationKey(record), "LONGCOUR");

    aliases = {Alias("_0000042", "LONGCOURSENAME")};
    EXPECT_EQ(FirstGenerationKey(ParseOne(Record("LONGCOUR", 8001))), "_0000042");
}

TEST_F(BinaryClubListTest, FieldsFollowTheBlankAfterTheKey) {
    // A short alias still has its fields from the ninth byte; a short name has
    // them right after its blank.
    EXPECT_EQ(ParseOne(Record("_12 abcd", 4242)).fileKey, "_12");
    EXPECT_EQ(ParseOne(Record("_12 abcd", 4242)).id, 4242);
    EXPECT_EQ(ParseOne(Record("SHORT", 4243)).id, 4243);
    EXPECT_EQ(ParseOne(Record("SHORT", 4243)).name, "SHORT");
}

TEST_F(BinaryClubListTest, DamagedFilesNeitherCrashNorInventCourses) {
    catalogue = {Course("ABC", 1001, 10, 20, 11, 19), Course("DEF", 1002, 12, 22, 13, 21),
                 Course("PINEVALLEYCLUB", 1003, 14, 24, 15, 23)};
    catalogue[2].fileKey = "_0000009";
    aliases = {Alias("_0000009", "PINEVALLEYCLUB")};
    std::string text;
    for (const CourseNode& course : catalogue) AppendBinaryRecord(text, course);
    references = ParseReferenceList(text);
    const std::vector<CourseNode> whole = Parse(text);
    ASSERT_EQ(whole.size(), 3u);

    for (std::size_t length = 0; length <= text.size(); ++length) {
        const std::vector<CourseNode> cut = Parse(text.substr(0, length));
        if (length <= 4) {
            EXPECT_TRUE(cut.empty()) << length;
        }
        ASSERT_LE(cut.size(), 3u) << length;
        ASSERT_GE(cut.size(), length / 33) << length;
        for (std::size_t i = 0; i < length / 33; ++i) EXPECT_EQ(cut[i].id, whole[i].id) << length;
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
