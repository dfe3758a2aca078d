#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Round records are kept on the PC as packed files: a short text header, the
// Huffman code table bit-packed, and the codes of the record's bytes.
//
//   "1.1 "                       version and a space
//   "<rows>/<bits> "             rows of the code table, bits of the data
//   table                        3 bits W-1, then per row 8 bits symbol,
//                                W bits length L, L code bits; zero fill
//   " "                          one separator byte
//   data                         ceil(bits / 8) bytes of codes, MSB first

// Inputs must be shorter than this to be packed.
inline constexpr std::size_t kPackInputLimit = 204800;
// Data bytes past this many are never read.
inline constexpr std::size_t kPackedDataLimit = 204800;

// The packed file of every byte of `bytes`, zero bytes included. Nothing when
// `bytes` holds kPackInputLimit bytes or more. An input of one byte value only
// packs to a table without codes and unpacks to nothing; the format has no
// count of bytes that could bring it back.
std::optional<std::string> PackBytes(std::string_view bytes);

// What a packed file decodes to. Nothing when the file is unreadable: a
// version text other than 1.0 or 1.1, or a header, table or data that is
// truncated or damaged (more than 256 rows, a code longer than 31 bits, codes
// that are not prefix-free, more bits than the data holds, bits that end in
// no code).
std::optional<std::string> UnpackBytes(std::string_view file);

// The record saver's call: packs the bytes of `source` before its first zero
// byte into the file at `path`, replacing it whole. Returns 1 when written; 0
// when the input reaches kPackInputLimit (no file is created or changed, and
// *error is set to 0) or the file cannot be written (*error holds the errno).
int packToFile(std::string_view source, const std::filesystem::path& path, int* error = nullptr);

// The record reader's call: decodes the file at `path` into `output` and
// returns the number of bytes decoded. Returns 0 when the file cannot be read
// or is unreadable (output untouched) and when it decodes to nothing (output
// emptied).
int unpackFile(const std::filesystem::path& path, std::string& output);

}  // namespace orvane
