#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "records/HuffmanCode.h"
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
// compared with every row, in table order, after each bit; the data is refused
// when the pending bits begin no code, or end inside one. Independent of the
// decoder under test, it is the yardstick for what a file means.
std::optional<std::string> DefinitionUnpack(const std::string& file) {
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
        const auto row = std::ranges::find(table, pending, &std::pair<char, std::string>::second);
        if (row != table.end()) {
            out += row->first;
            pending.clear();
        } else if (std::ranges::none_of(
                       table, [&](const auto& r) { return r.second.starts_with(pending); })) {
            return std::nullopt;
        }
    }
    if (!pending.empty()) return std::nullopt;
    return out;
}

std::string Packed(std::string_view bytes) { return PackBytes(bytes).value(); }

// Hand-derived files. Table bits are shown as W-1 | symbol length code ... | fill.
TEST(PackedFileBytes, SmallInputsGiveTheDerivedBytes) {
    // The 3-bit field 0 and five fill bits, the separator, no data.
    EXPECT_EQ(Packed(""), "1.1 0/0 " + Bytes({0x00}) + " ");
    // Equal counts: the lower value stays on top of the heap and gets "0".
    // 000 | 01100001 1 0 | 01100010 1 1 | 0, data 10.
    EXPECT_EQ(Packed("ba"), "1.1 2/2 " + Bytes({0x0C, 0x33, 0x16}) + " " + Bytes({0x80}));
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

TEST(PackedFileReader, DataPastTheLimitIsNeverRead) {
    // Table a=0 b=1, then data bytes 0x55 that each decode to "abababab".
    const std::string rest =
        FromBits("000 01100001 1 0 01100010 1 1") + " " + std::string(kPackedDataLimit + 1, '\x55');
    const auto all = UnpackBytes("1.1 2/" + std::to_string(8 * kPackedDataLimit) + " " + rest);
    EXPECT_EQ(all.value().size(), 8 * kPackedDataLimit);
    EXPECT_EQ(UnpackBytes("1.1 2/" + std::to_string(8 * kPackedDataLimit + 1) + " " + rest),
              std::nullopt);
}

// A table of `rows` distinct 9-bit codes, each row's symbol its code's low 8 bits.
std::string NineBitRows(int rows) {
    std::string table = "011";
    for (int row = 0; row < rows; ++row) {
        std::string code;
        for (int bit = 8; bit >= 0; --bit) code += (row >> bit) & 1 ? '1' : '0';
        table += code.substr(1) + "1001" + code;
    }
    return FromBits(table);
}

TEST(PackedFileReader, DamagedOrCutFilesAreUnreadable) {
    const std::string ab = FromBits("000 01100001 1 0 01100010 1 1") + " " + Bytes({0x40});
    const std::string zeros(31, '0');
    const std::string bRow = "01100010 000001 1";
    const std::string onlyZero = FromBits("000 01100001 1 0") + " ";
    const std::string firstCode = " " + FromBits("000000000");
    // Each limit next to the nearest file the reader accepts.
    EXPECT_EQ(UnpackBytes("1.0 2/8 " + ab), "abaaaaaa");
    EXPECT_EQ(UnpackBytes("1.1 2/32 " + FromBits("101 01100001 011111" + zeros + bRow) + " " +
                          FromBits(zeros + "1")),
              "ab");
    EXPECT_EQ(UnpackBytes("1.1 256/9 " + NineBitRows(256) + firstCode), std::string(1, '\0'));
    // An incomplete but prefix-free table decodes until a bit leads nowhere.
    EXPECT_EQ(UnpackBytes("1.1 1/2 " + onlyZero + Bytes({0x00})), "aa");

    std::string cutInCode = Packed("abcd");
    cutInCode.replace(4, 3, "4/7");
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"version", "2.0 2/2 " + ab},
        {"bits beyond the data", "1.1 2/9 " + ab},
        {"negative rows", "1.1 -1/2 " + ab},
        {"overlong field", "1.1 0000000002/2 " + ab},
        {"no slash", "1.1 2 2 " + ab},
        {"32-bit code", "1.1 2/33 " + FromBits("101 01100001 100000 0" + zeros + bRow) + " " +
                            FromBits("0" + zeros + "1")},
        {"257 rows", "1.1 257/9 " + NineBitRows(257) + firstCode},
        // Data the first-match search over the table would still decode.
        {"a=0 b=01", "1.1 2/2 " + FromBits("001 01100001 01 0 01100010 10 01") + " " + '\0'},
        {"a=01 b=0", "1.1 2/2 " + FromBits("001 01100001 10 01 01100010 01 0") + " " + '\0'},
        {"a=1 b=1", "1.1 2/2 " + FromBits("000 01100001 1 1 01100010 1 1") + " " + '\xC0'},
        {"a=empty b=1", "1.1 2/2 " + FromBits("000 01100001 0 01100010 1 1") + " " + '\xC0'},
        {"pending code never matches", "1.1 1/2 " + onlyZero + Bytes({0x40})},
        {"bits stop inside a code", cutInCode},
    };
    for (const auto& [damage, file] : damaged) EXPECT_EQ(UnpackBytes(file), std::nullopt) << damage;
    // Every cut of a file, down to an empty one.
    for (const std::string input : {"", "abcd", "3141592653589793238462643383279502884197"}) {
        const std::string file = Packed(input);
        for (std::size_t length = 0; length < file.size(); ++length)
            EXPECT_EQ(UnpackBytes(file.substr(0, length)), std::nullopt) << input << length;
    }
}

TEST(PackedFileRoundTrip, SeededInputsComeBack) {
    std::mt19937 random(2024);
    std::geometric_distribution<int> skewed(0.2);
    std::string leaning(4096, '\0'), largest(kPackInputLimit - 1, '\0'), deepest;
    for (char& c : leaning) c = static_cast<char>(std::min(skewed(random), 255));
    for (char& c : largest) c = static_cast<char>(random() % 256);
    // Fibonacci counts give the deepest tree a packable input can have.
    for (int value = 0, a = 1, b = 1; value < 25; ++value, b = a + b, a = b - a)
        deepest += std::string(static_cast<std::size_t>(a), static_cast<char>('A' + value));
    std::shuffle(deepest.begin(), deepest.end(), random);
    for (const std::string& input : {leaning, largest, deepest})
        EXPECT_EQ(UnpackBytes(Packed(input)), input) << input.size();
    // A single byte value leaves no code to decode.
    EXPECT_EQ(UnpackBytes(Packed("7777")), "");
}

// The decoder walks a tree instead of the definition's search through the
// table; on any file it accepts, damaged or not, it must give the same bytes.
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
            EXPECT_EQ(decoded, DefinitionUnpack(file));
        }
    }
}

// Damage to the data alone, or a bit count that ends early, leaves the table
// as packed; the file must then decode, or be refused, as the definition
// says. Byte counts that grow like Fibonacci numbers give codes of up to
// fifteen bits, longer than any step of the decoder's table lookup.
TEST(PackedFileReader, DamagedDataDecodesOrIsRefusedAsTheDefinitionSays) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        std::string input;
        for (std::uint32_t s = 0, a = 1, b = 1,
                           symbols = static_cast<std::uint32_t>(random() % 15 + 2);
             s < symbols; ++s, b = a + b, a = b - a)
            input.append(a, static_cast<char>('a' + s));
        std::shuffle(input.begin(), input.end(), random);
        const std::string file = Packed(input);
        ByteCounts counts{};
        for (const char c : input) ++counts[static_cast<unsigned char>(c)];
        const std::vector<CodeRow> table = BuildCodeTable(counts);

        std::uint64_t bits = 0;
        for (const CodeRow& row : table) bits += std::uint64_t{counts[row.symbol]} * row.length;
        const auto dataBytes = static_cast<std::size_t>((bits + 7) / 8);
        std::string damaged = file;
        for (auto hits = random() % 4; hits > 0; --hits)
            damaged[damaged.size() - 1 - random() % dataBytes] ^=
                static_cast<char>(1 << (random() % 8));
        const std::uint64_t kept = random() % 2 == 0 ? bits : random() % (bits + 1);
        const std::string header = "1.1 " + std::to_string(table.size()) + "/";
        damaged.replace(header.size(), damaged.find(' ', header.size()) - header.size(),
                        std::to_string(kept));
        EXPECT_EQ(UnpackBytes(damaged), DefinitionUnpack(damaged)) << "round " << round;
    }
}

TEST(PackedFileOnDisk, SaverAndReaderCallsKeepTheirRules) {
    TempFolder folder;
    const auto path = folder.path() / "20240501_09_Club.dat";
    EXPECT_EQ(packToFile(std::string("3,4,5\n\0after", 12), path), 1);
    EXPECT_EQ(ReadWholeFile(path), Packed("3,4,5\n"));
    // Too large: refused, and the file there is left as it was (read back below).
    EXPECT_EQ(packToFile(std::string(kPackInputLimit, '1'), path), 0);

    std::string output = "before";
    EXPECT_EQ(unpackFile(folder.path() / "none.dat", output), 0);
    EXPECT_EQ(output, "before");
    // Whatever follows the useful part of a large file is not read.
    std::filesystem::resize_file(path, 1 << 20);
    EXPECT_EQ(unpackFile(path, output), 6);
    EXPECT_EQ(output, "3,4,5\n");
    EXPECT_EQ(unpackFile(folder.Write("empty.dat", Packed("")), output), 0);
    EXPECT_EQ(output, "");
}

}  // namespace
}  // namespace orvane
