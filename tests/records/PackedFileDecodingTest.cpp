#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "records/HuffmanCode.h"
#include "records/PackedFile.h"

namespace orvane {
namespace {

// The data of a packed file decoded one bit at a time against the code
// table its input was packed with: a code is complete when the pending bits
// equal it; the data is refused when the pending bits begin no code, or end
// inside one.
std::optional<std::string> DecodeBitByBit(const std::vector<CodeRow>& table, std::string_view data,
                                          std::uint64_t bitCount) {
    std::vector<std::string> codes;
    for (const CodeRow& row : table) {
        codes.emplace_back();
        for (int bit = row.length - 1; bit >= 0; --bit)
            codes.back() += (row.bits >> bit) & 1u ? '1' : '0';
    }
    std::string out, pending;
    for (std::uint64_t i = 0; i < bitCount; ++i) {
        const unsigned byte = static_cast<unsigned char>(data[i / 8]);
        pending += (byte >> (7 - i % 8)) & 1u ? '1' : '0';
        bool begins = false;
        for (std::size_t row = 0; row < codes.size() && !begins; ++row) {
            if (codes[row] == pending) {
                out += static_cast<char>(table[row].symbol);
                pending.clear();
            }
            begins = pending.empty() || codes[row].starts_with(pending);
        }
        if (!begins) return std::nullopt;
    }
    if (!pending.empty()) return std::nullopt;
    return out;
}

// Inputs whose byte counts grow like Fibonacci numbers give codes of up to
// fifteen bits, longer than any step of a table lookup.
std::string SkewedInput(std::mt19937& random) {
    std::string input;
    std::uint32_t a = 1, b = 1;
    const auto symbols = random() % 15 + 2;
    for (std::uint32_t s = 0; s < symbols; ++s) {
        input.append(a, static_cast<char>('a' + s));
        b = a + b;
        a = b - a;
    }
    std::shuffle(input.begin(), input.end(), random);
    return input;
}

// Damage to the data alone, or a bit count that ends early, leaves the table
// as packed; the file must then decode as the bits read one by one, and be
// refused where they are.
TEST(PackedFileReader, DamagedDataDecodesOrIsRefusedAsBitByBit) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const std::string input = SkewedInput(random);
        const std::string file = PackBytes(input).value();
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

        const std::string_view data = std::string_view(damaged).substr(damaged.size() - dataBytes);
        EXPECT_EQ(UnpackBytes(damaged), DecodeBitByBit(table, data, kept)) << "round " << round;
    }
}

}  // namespace
}  // namespace orvane
