#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orvane {

// How often each byte value occurs in an input.
using ByteCounts = std::array<std::uint32_t, 256>;

// One row of a packed file's code table.
struct CodeRow {
    std::uint8_t symbol = 0;
    // Number of code bits; 0 only for the single row of a one-value input.
    std::uint8_t length = 0;
    // The code in the low `length` bits, the bit nearest the root highest.
    std::uint32_t bits = 0;
};

// Longest code a packed file's table can carry.
inline constexpr int kMaxCodeLength = 31;

// The code table for `counts`: one row for every byte value that occurs, in
// ascending order of value. The codes come from a heap-built Huffman tree
// whose tie rules are part of the file format: they decide every code, and
// with it every byte of the file. With fewer than two rows no tree exists and
// every code is empty.
//
// Throws std::length_error when the counts total 2^32 or more, or when a code
// would pass kMaxCodeLength bits; no packable input comes near either (its
// codes stay within 25 bits).
std::vector<CodeRow> BuildCodeTable(const ByteCounts& counts);

}  // namespace orvane
