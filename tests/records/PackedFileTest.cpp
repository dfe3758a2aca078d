#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "records/PackedFile.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::ReadWholeFile;
using testing::TempFolder;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int value : values) out.push_back(static_cast<char>(value));
    return out;
}

// Bytes from '0' and '1' characters (anything else is layout), zero-filled.
std::string FromBits(std::string_view text) {
    std::string out;
    int used = 0;
    for (const char c : text) {
        if (c != '0' && c != '1') continue;
        if (used % 8 == 0) out.push_back('\0');
        if (c == '1') out.back() = static_cast<char>(out.back() | (0x80 >> (used % 8)));
        ++used;
    }
    return out;
}

// The reader exactly as the format is defined: the pending code text is
// compared with every row, in table order, after each bit. Independent of the
// decoder under test, it is the yardstick for what an accepted file means.
std::string DefinitionUnpack(const std::string& file) {
    const std::size_t slash = file.find('/', 4), space = file.find(' ', slash + 1);
    const int rowCount = std::atoi(file.substr(4, slash - 4).c_str());
    const long bitCount = std::atol(file.substr(slash + 1, space - slash - 1).c_str());
    std::size_t bit = (space + 1) * 8;
    const auto next = [&](std::size_t at) { return (file.at(at / 8) >> (7 - at % 8)) & 1; };
    const auto read = [&](int count) {
        int value = 0;
        while (count-- > 0) value = value * 2 + next(bit++);
        return value;
    };
    const int width = read(3) + 1;
    std::vector<std::pair<char, std::string>> table;
    for (int row = 0; row < rowCount; ++row) {
        const char symbol = static_cast<char>(read(8));
        std::string code;
        for (int length = read(width); length > 0; --length) code += next(bit++) ? '1' : '0';
        table.emplace_back(symbol, code);
    }
    // On a byte boundary the byte after the table is the separator; otherwise
    // the fill's byte comes first.
    std::size_t data = bit % 8 == 0 ? bit / 8 + 1 : bit / 8 + 2;
    std::string out, pending;
    for (long i = 0; i < bitCount; ++i) {
        pending += next(data * 8 + static_cast<std::size_t>(i)) ? '1' : '0';
        for (const auto& [symbol, code] : table) {
            if (code != pending) continue;
            out += symbol;
            pending.clear();
            break;
        }
    }
    return out;
}

std::string Packed(std::string_view bytes) { return PackBytes(bytes).value(); }

// Hand-derived files. Table bits are shown as W-1 | symbol length code ... | fill.
TEST(PackedFileBytes, SmallInputsGiveTheDerivedBytes) {
    // The 3-bit field 0 and five fill bits, the separator, no data.
    EXPECT_EQ(Packed(""), "1.1 0/0 " + Bytes({0x00}) + " ");
    // Equal counts: the lower value stays on top of the heap and gets "0".
    // 000 | 01100001 1 0 | 01100010 1 1 | 0, data 01.
    const std::string abTable = Bytes({0x0C, 0x33, 0x16});
    EXPECT_EQ(Packed("ab"), "1.1 2/2 " + abTable + " " + Bytes({0x40}));
    EXPECT_EQ(Packed("ba"), "1.1 2/2 " + abTable + " " + Bytes({0x80}));
    // The lighter value leaves the heap first and gets "0" although it is higher.
    // 000 | 01100001 1 1 | 01100010 1 0 | 0, data 110.
    EXPECT_EQ(Packed("aab"), "1.1 2/3 " + Bytes({0x0C, 0x3B, 0x14}) + " " + Bytes({0xC0}));
    // Four equal counts: after 'a' is taken, 'd' moves to the top and pairs
    // with it, so a=10 b=00 c=01 d=11. 001 | 01100001 10 10 | 01100010 10 00 |
    // 01100011 10 01 | 01100100 10 11 | 00000, data 10 00 01 11.
    EXPECT_EQ(Packed("abcd"),
              "1.1 4/8 " + Bytes({0x2C, 0x34, 0xC5, 0x0C, 0x72, 0xC9, 0x60}) + " " + Bytes({0x87}));
    // One value: a row with an empty code and no data. 000 | 01100001 0 | 0000.
    EXPECT_EQ(Packed("aaa"), "1.1 1/0 " + Bytes({0x0C, 0x20}) + " ");
}

TEST(PackedFileBytes, TableEndingOnAByteBoundaryHasNoFill) {
    // Counts b1 d2 c4 a8 e16 give b=0000 d=0001 c=001 a=01 e=1, W=3, and a
    // table of 3 + 5 * 11 + 14 = 72 bits:
    // 010 | 01100001 010 01 | 01100010 100 0000 | 01100011 011 001 |
    // 01100100 100 0001 | 01100101 001 1.
    const std::string input = std::string(16, 'e') + std::string(8, 'a') + "ccccddb";
    const std::string file = Packed(input);
    EXPECT_EQ(file, "1.1 5/56 " + Bytes({0x4C, 0x29, 0x62, 0x80, 0xC6, 0xCB, 0x24, 0x16, 0x53}) +
                        " " + Bytes({0xFF, 0xFF, 0x55, 0x55, 0x24, 0x91, 0x10}));
    EXPECT_EQ(UnpackBytes(file), input);
}

TEST(PackedFileReader, AcceptsVersionsOneZeroAndOneOneOnly) {
    std::string file = Packed("abcd");
    file.replace(0, 3, "1.0");
    EXPECT_EQ(UnpackBytes(file), "abcd");
    file.replace(0, 3, "2.0");
    EXPECT_EQ(UnpackBytes(file), std::nullopt);
    for (const char* shorter : {"", "1", "1.", "1.1"})
        EXPECT_EQ(UnpackBytes(shorter), std::nullopt);
}

TEST(PackedFileReader, IgnoresBitsAndBytesAfterTheCodes) {
    const std::string header = "1.1 2/2 " + Bytes({0x0C, 0x33, 0x16}) + " ";
    EXPECT_EQ(UnpackBytes(header + Bytes({0x7F})), "ab");
    EXPECT_EQ(UnpackBytes(header + Bytes({0x40, 0xFF, 0x00})), "ab");
    // The fill bits and the separator byte are not looked at either.
    EXPECT_EQ(UnpackBytes("1.1 2/2 " + Bytes({0x0C, 0x33, 0x17}) + "X" + Bytes({0x40})), "ab");
    // Header numbers are read as atoi reads them.
    EXPECT_EQ(UnpackBytes("1.1  2x/2 " + Bytes({0x0C, 0x33, 0x16}) + " " + Bytes({0x40})), "ab");
}

TEST(PackedFileReader, DataPastTheLimitIsNeverRead) {
    // Table a=0 b=1; every data byte 0x55 decodes to "abababab".
    const std::string table = FromBits("000 01100001 1 0 01100010 1 1") + " ";
    const std::string data(kPackedDataLimit + 1, '\x55');
    const std::string all = std::to_string(8 * kPackedDataLimit);
    const auto decoded = UnpackBytes("1.1 2/" + all + " " + table + data);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->size(), 8 * kPackedDataLimit);
    const std::string more = std::to_string(8 * kPackedDataLimit + 1);
    EXPECT_EQ(UnpackBytes("1.1 2/" + more + " " + table + data), std::nullopt);
}

TEST(PackedFileReader, DamagedHeadersAreUnreadable) {
    const std::string ab = FromBits("000 01100001 1 0 01100010 1 1") + " " + Bytes({0x40});
    EXPECT_EQ(UnpackBytes("1.1 2/8 " + ab), "abaaaaaa");
    // Rows, bits and header fields the writer never produces.
    for (const char* header : {"1.1 2/9 ", "1.1 -1/2 ", "1.1 2/-2 ", "1.1 0000000002/2 ",
                               "1.1 2/0000000002 ", "1.1 2 2 "}) {
        EXPECT_EQ(UnpackBytes(header + ab), std::nullopt) << header;
    }
    // A 31-bit code is the longest a table may hold: W=6, a = 31 zeros, b = 1.
    const std::string zeros(31, '0');
    const std::string rows = "01100010 000001 1";
    EXPECT_EQ(UnpackBytes("1.1 2/32 " + FromBits("101 01100001 011111" + zeros + rows) + " " +
                          FromBits(zeros + "1")),
              "ab");
    EXPECT_EQ(UnpackBytes("1.1 2/33 " + FromBits("101 01100001 100000 0" + zeros + rows) + " " +
                          FromBits("0" + zeros + "1")),
              std::nullopt);
    // Codes that are not prefix-free, with data the definition's first-match
    // search would still decode: a=0 b=01; a=01 b=0; a=1 b=1; a="" b=1.
    for (const auto& [table, data] : {std::pair{"001 01100001 01 0 01100010 10 01", 0x00},
                                      std::pair{"001 01100001 10 01 01100010 01 0", 0x00},
                                      std::pair{"000 01100001 1 1 01100010 1 1", 0xC0},
                                      std::pair{"000 01100001 0 01100010 1 1", 0xC0}}) {
        EXPECT_EQ(UnpackBytes("1.1 2/2 " + FromBits(table) + " " + Bytes({data})), std::nullopt)
            << table;
    }
    // 256 rows of distinct 9-bit codes (the symbol is the code's low 8 bits)
    // are fine; a 257th row is one too many.
    std::string table = "011";
    const auto addRow = [&table](int row) {
        std::string code;
        for (int bit = 8; bit >= 0; --bit) code += (row >> bit) & 1 ? '1' : '0';
        table += code.substr(1) + "1001" + code;
    };
    for (int row = 0; row < 256; ++row) addRow(row);
    const std::string firstCode = " " + FromBits("000000000");
    EXPECT_EQ(UnpackBytes("1.1 256/9 " + FromBits(table) + firstCode), std::string(1, '\0'));
    addRow(256);
    EXPECT_EQ(UnpackBytes("1.1 257/9 " + FromBits(table) + firstCode), std::nullopt);
    // An incomplete but prefix-free table decodes until a bit leads nowhere.
    const std::string onlyZero = FromBits("000 01100001 1 0") + " ";
    EXPECT_EQ(UnpackBytes("1.1 1/2 " + onlyZero + Bytes({0x00})), "aa");
    EXPECT_EQ(UnpackBytes("1.1 1/2 " + onlyZero + Bytes({0x40})), std::nullopt);
    EXPECT_EQ(UnpackBytes("1.1 0/1 " + FromBits("000") + " " + Bytes({0x00})), std::nullopt);
    EXPECT_EQ(UnpackBytes("1.1 1/1 " + FromBits("000 01100001 0") + " " + Bytes({0x00})),
              std::nullopt);
    // Bits that stop inside a code.
    std::string cut = Packed("abcd");
    cut.replace(4, 3, "4/7");
    EXPECT_EQ(UnpackBytes(cut), std::nullopt);
}

TEST(PackedFileReader, EveryTruncationIsUnreadable) {
    std::mt19937 random(11);
    std::string text(300, '\0');
    for (char& c : text) c = static_cast<char>('0' + random() % 10);
    for (const std::string& input : {std::string(), std::string("ab"), std::string("abcd"), text}) {
        const std::string file = Packed(input);
        for (std::size_t length = 0; length < file.size(); ++length)
            EXPECT_EQ(UnpackBytes(file.substr(0, length)), std::nullopt) << input << length;
    }
}

TEST(PackedFileReader, DamagedFilesDecodeAsTheDefinitionOrNotAtAll) {
    std::mt19937 random(5);
    for (int round = 0; round < 3000; ++round) {
        std::string input(random() % 40 + 2, '\0');
        const auto symbols = random() % 12 + 2;
        for (char& c : input) c = static_cast<char>('A' + random() % symbols);
        std::string file = Packed(input);
        for (auto hits = random() % 3 + 1; hits > 0; --hits)
            file[random() % file.size()] ^= static_cast<char>(1 << (random() % 8));
        if (const auto decoded = UnpackBytes(file)) {
            EXPECT_EQ(*decoded, DefinitionUnpack(file));
        }
    }
}

enum class Spread { Uniform, TwoValues, OneValue, Skewed, RecordText };

std::string RandomInput(std::mt19937& random, Spread spread, std::size_t size) {
    std::string out;
    std::geometric_distribution<int> skewed(0.2);
    while (out.size() < size) {
        switch (spread) {
            case Spread::Uniform:
                out += static_cast<char>(random() % 256);
                break;
            case Spread::TwoValues:
                out += random() % 5 == 0 ? '\xFF' : '\x00';
                break;
            case Spread::OneValue:
                out += '7';
                break;
            case Spread::Skewed:
                out += static_cast<char>(std::min(skewed(random), 255));
                break;
            case Spread::RecordText:
                out += std::to_string(random() % 500) + (random() % 9 == 0 ? "\r\n" : ",");
                break;
        }
    }
    out.resize(size);
    return out;
}

TEST(PackedFileRoundTrip, SeededInputsOfManySizesComeBack) {
    std::mt19937 random(2024);
    for (const Spread spread : {Spread::Uniform, Spread::TwoValues, Spread::OneValue,
                                Spread::Skewed, Spread::RecordText}) {
        for (const std::size_t size : std::initializer_list<std::size_t>{
                 1, 2, 3, 17, 255, 256, 1000, 4096, 65536, kPackInputLimit - 1}) {
            const std::string input = RandomInput(random, spread, size);
            const std::string file = Packed(input);
            // A single byte value leaves no code to decode, whatever the spread.
            const bool oneValue = input.find_first_not_of(input[0]) == std::string::npos;
            const std::string expected = oneValue ? "" : input;
            EXPECT_EQ(UnpackBytes(file), expected) << static_cast<int>(spread) << " " << size;
            if (size <= 4096) {
                EXPECT_EQ(DefinitionUnpack(file), expected);
            }
        }
    }
}

TEST(PackedFileRoundTrip, DeepestTreeWithinTheLimitComesBack) {
    // Fibonacci counts give the deepest tree a packable input can have.
    std::string input;
    for (int value = 0, a = 1, b = 1; value < 25; ++value, b = a + b, a = b - a)
        input += std::string(static_cast<std::size_t>(a), static_cast<char>('A' + value));
    ASSERT_LT(input.size(), kPackInputLimit);
    std::shuffle(input.begin(), input.end(), std::mt19937(3));
    const std::string file = Packed(input);
    // 24-bit codes need the 5-bit length field.
    EXPECT_EQ(static_cast<unsigned char>(file[file.find(' ', 4) + 1]) >> 5, 4);
    EXPECT_EQ(UnpackBytes(file), input);
}

TEST(PackedFileOnDisk, PackToFileKeepsTheRecordSaversRules) {
    TempFolder folder;
    const auto path = folder.path() / "20240501_09_Club.dat";
    EXPECT_EQ(packToFile(std::string("3,4,5\n\0after", 12), path), 1);
    EXPECT_EQ(ReadWholeFile(path), Packed("3,4,5\n"));

    int error = -1;
    EXPECT_EQ(packToFile(std::string(kPackInputLimit, '1'), path, &error), 0);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(ReadWholeFile(path), Packed("3,4,5\n"));
    EXPECT_EQ(packToFile(std::string(kPackInputLimit - 1, '1'), path), 1);

    EXPECT_EQ(packToFile("1,2", folder.path() / "missing" / "x.dat", &error), 0);
    EXPECT_EQ(error, ENOENT);
}

TEST(PackedFileOnDisk, UnpackFileReportsBytesAndLeavesOutputOnFailure) {
    TempFolder folder;
    std::string output = "before";
    EXPECT_EQ(unpackFile(folder.path() / "none.dat", output), 0);
    EXPECT_EQ(unpackFile(folder.Write("bad.dat", "2.0 0/0 "), output), 0);
    EXPECT_EQ(output, "before");
    // Whatever follows the useful part of a large file is not read.
    const auto big = folder.Write("big.dat", Packed("1,2,3\n") + std::string(1 << 20, '\xEE'));
    EXPECT_EQ(unpackFile(big, output), 6);
    EXPECT_EQ(output, "1,2,3\n");
    EXPECT_EQ(unpackFile(folder.Write("empty.dat", Packed("")), output), 0);
    EXPECT_EQ(output, "");
}

}  // namespace
}  // namespace orvane
