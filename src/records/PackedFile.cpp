#include "records/PackedFile.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#include "records/HuffmanCode.h"
#include "util/SafeFile.h"

namespace orvane {
namespace {

constexpr std::string_view kVersionText = "1.1 ";
constexpr std::size_t kVersionFieldLength = 4;
constexpr std::size_t kMaxRows = 256;
// Readers of the format keep each header number in a 9-character field.
constexpr std::size_t kMaxNumberLength = 9;
constexpr std::uint64_t kMaxDataBits = std::uint64_t{8} * kPackedDataLimit;
// The header and the largest table the reader accepts (256 rows of 31-bit
// codes) take about 1.5 KiB; nothing past this many bytes is ever looked at.
constexpr std::size_t kLongestUsefulFile = kPackedDataLimit + 4096;

// Collects bits most significant first and appends each completed byte.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}

    // The low `count` bits of `value`, highest first; count <= 32.
    void Write(std::uint32_t value, int count) {
        pending_ = (pending_ << count) | (value & ((std::uint64_t{1} << count) - 1));
        pendingBits_ += count;
        while (pendingBits_ >= 8) {
            pendingBits_ -= 8;
            out_.push_back(static_cast<char>((pending_ >> pendingBits_) & 0xFFu));
        }
        pending_ &= (std::uint64_t{1} << pendingBits_) - 1;
    }

    // Zero bits up to the next byte boundary; nothing when already on one.
    void Fill() {
        if (pendingBits_ > 0) Write(0, 8 - pendingBits_);
    }

private:
    std::string& out_;
    std::uint64_t pending_ = 0;
    int pendingBits_ = 0;
};

// Reads bits most significant first, refusing to run past the end.
class BitReader {
public:
    explicit BitReader(std::string_view bytes) : bytes_(bytes) {}

    bool Read(int count, std::uint32_t& value) {
        if (position_ + static_cast<std::uint64_t>(count) > std::uint64_t{8} * bytes_.size())
            return false;
        value = 0;
        for (int i = 0; i < count; ++i, ++position_) {
            const auto byte = static_cast<unsigned char>(bytes_[position_ / 8]);
            value = (value << 1) | ((byte >> (7 - position_ % 8)) & 1u);
        }
        return true;
    }

    // Bytes holding at least one bit read so far.
    std::size_t BytesStarted() const { return (position_ + 7) / 8; }

private:
    std::string_view bytes_;
    std::uint64_t position_ = 0;
};

// Bits needed to write `longest`, at least one.
int LengthFieldWidth(int longest) {
    int width = 1;
    for (int rest = longest / 2; rest > 0; rest /= 2) ++width;
    return width;
}

// The version is judged as the C library reads a number, whatever locale the
// program runs in, so "1.0" and "1.1" pass and so does anything else such a
// reader takes for them.
bool IsAcceptedVersion(std::string_view text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(text);
    const double value = strtod_l(terminated.c_str(), nullptr, cLocale);
    return value == 1.0 || value == 1.1;
}

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A header number read up to `separator`, taken as the C library's atoi takes
// it (leading blanks, a sign, digits up to the first other character), so
// that any file such a reader decodes decodes the same here. Nothing when the
// separator is missing or the field is too long to be a header number.
std::optional<long> ReadHeaderNumber(std::string_view file, std::size_t& at, char separator) {
    const std::size_t end = file.find(separator, at);
    if (end == std::string_view::npos || end - at > kMaxNumberLength) return std::nullopt;
    const std::string_view field = file.substr(at, end - at);
    at = end + 1;
    std::size_t i = 0;
    while (i < field.size() && IsCSpace(field[i])) ++i;
    const bool negative = i < field.size() && field[i] == '-';
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
    long value = 0;
    for (; i < field.size() && field[i] >= '0' && field[i] <= '9'; ++i)
        value = value * 10 + (field[i] - '0');
    return negative ? -value : value;
}

// The code table as a binary tree, built only from prefix-free codes, so that
// every data bit either moves one step down or ends in a row's symbol.
class DecodeTree {
public:
    DecodeTree() { nodes_.emplace_back(); }

    // False when the row's code continues a shorter code, is the start of a
    // longer one, or repeats one.
    bool Add(const CodeRow& row) {
        std::size_t node = 0;
        for (int i = row.length - 1; i >= 0; --i) {
            if (nodes_[node].symbol >= 0) return false;
            const unsigned bit = (row.bits >> i) & 1u;
            std::int32_t next = nodes_[node].child[bit];
            if (next < 0) {
                next = static_cast<std::int32_t>(nodes_.size());
                nodes_[node].child[bit] = next;
                nodes_.emplace_back();
            }
            node = static_cast<std::size_t>(next);
        }
        const Node& end = nodes_[node];
        if (end.symbol >= 0 || end.child[0] >= 0 || end.child[1] >= 0) return false;
        nodes_[node].symbol = row.symbol;
        return true;
    }

    // The first `bitCount` bits of `data` decoded; nothing when a bit leads
    // off the tree or the bits stop inside a code. Wherever that many bits
    // are left, kLookupBits of them are looked up at once: one step then
    // finds a code that short, or the node a longer code goes on from, or
    // that the bits lead off the tree, as walking them one by one would.
    std::optional<std::string> Decode(std::string_view data, std::uint64_t bitCount,
                                      std::size_t shortestCode) const {
        const std::vector<Step> lookup = LookupTable();
        std::string out;
        out.reserve(static_cast<std::size_t>(bitCount / std::max<std::size_t>(shortestCode, 1)));
        std::size_t node = 0;
        std::uint64_t i = 0;
        while (i < bitCount) {
            std::int32_t next = -1;
            if (node == 0 && bitCount - i >= kLookupBits) {
                const Step step = lookup[PeekBits(data, i)];
                next = step.node;
                i += step.bits;
            } else {
                const auto byte = static_cast<unsigned char>(data[i / 8]);
                next = nodes_[node].child[(byte >> (7 - i % 8)) & 1u];
                ++i;
            }
            if (next < 0) return std::nullopt;
            const Node& reached = nodes_[static_cast<std::size_t>(next)];
            if (reached.symbol >= 0) {
                out.push_back(static_cast<char>(reached.symbol));
                node = 0;
            } else {
                node = static_cast<std::size_t>(next);
            }
        }
        if (node != 0) return std::nullopt;
        return out;
    }

private:
    static constexpr int kLookupBits = 10;

    struct Node {
        std::array<std::int32_t, 2> child{-1, -1};
        std::int32_t symbol = -1;
    };
    // Where kLookupBits bits lead from the root: the first leaf on the way,
    // else the node after all of them, or -1 off the tree; and the bits used.
    struct Step {
        std::int32_t node = 0;
        std::uint8_t bits = 0;
    };

    std::vector<Step> LookupTable() const {
        std::vector<Step> table(std::size_t{1} << kLookupBits);
        for (std::size_t pattern = 0; pattern < table.size(); ++pattern) {
            Step& step = table[pattern];
            for (int bit = kLookupBits - 1; bit >= 0; --bit) {
                step.node =
                    nodes_[static_cast<std::size_t>(step.node)].child[(pattern >> bit) & 1u];
                ++step.bits;
                if (step.node < 0 || nodes_[static_cast<std::size_t>(step.node)].symbol >= 0) break;
            }
        }
        return table;
    }

    // kLookupBits bits of `data` from bit `i` on, all of them inside it.
    static std::size_t PeekBits(std::string_view data, std::uint64_t i) {
        const auto first = static_cast<std::size_t>(i / 8);
        std::uint32_t window = 0;
        if (first + 4 <= data.size()) {
            std::memcpy(&window, data.data() + first, 4);
            window = __builtin_bswap32(window) >> 8;
        } else {
            for (std::size_t k = first; k < first + 3; ++k)
                window = window << 8 | (k < data.size() ? static_cast<unsigned char>(data[k]) : 0u);
        }
        const auto shift = static_cast<unsigned>(24 - i % 8 - kLookupBits);
        return (window >> shift) & ((1u << kLookupBits) - 1);
    }

    std::vector<Node> nodes_;
};

// The bit-packed table of `rowCount` rows at the start of `bytes`; `used` is
// set to the bytes it spans, fill included.
std::optional<std::vector<CodeRow>> ReadCodeTable(std::string_view bytes, std::size_t rowCount,
                                                  std::size_t& used) {
    BitReader reader(bytes);
    std::uint32_t widthField = 0;
    if (!reader.Read(3, widthField)) return std::nullopt;
    const int width = static_cast<int>(widthField) + 1;
    std::vector<CodeRow> rows(rowCount);
    for (CodeRow& row : rows) {
        std::uint32_t symbol = 0, length = 0;
        if (!reader.Read(8, symbol) || !reader.Read(width, length)) return std::nullopt;
        if (length > static_cast<std::uint32_t>(kMaxCodeLength)) return std::nullopt;
        row.symbol = static_cast<std::uint8_t>(symbol);
        row.length = static_cast<std::uint8_t>(length);
        if (!reader.Read(row.length, row.bits)) return std::nullopt;
    }
    used = reader.BytesStarted();
    return rows;
}

std::optional<std::string> ReadFilePrefix(const std::filesystem::path& path, std::size_t limit) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

std::optional<std::string> PackBytes(std::string_view bytes) {
    if (bytes.size() >= kPackInputLimit) return std::nullopt;
    ByteCounts counts{};
    for (const char c : bytes) ++counts[static_cast<unsigned char>(c)];
    const std::vector<CodeRow> table = BuildCodeTable(counts);

    std::array<CodeRow, 256> rowOf{};
    std::uint64_t bitCount = 0;
    int longest = 0;
    for (const CodeRow& row : table) {
        rowOf[row.symbol] = row;
        bitCount += std::uint64_t{counts[row.symbol]} * row.length;
        longest = std::max<int>(longest, row.length);
    }

    std::string file(kVersionText);
    file += std::to_string(table.size()) + '/' + std::to_string(bitCount) + ' ';
    const int width = LengthFieldWidth(longest);
    BitWriter writer(file);
    writer.Write(static_cast<std::uint32_t>(width - 1), 3);
    for (const CodeRow& row : table) {
        writer.Write(row.symbol, 8);
        writer.Write(row.length, width);
        writer.Write(row.bits, row.length);
    }
    writer.Fill();
    file.push_back(' ');
    file.reserve(file.size() + static_cast<std::size_t>((bitCount + 7) / 8));
    for (const char c : bytes) {
        const CodeRow& row = rowOf[static_cast<unsigned char>(c)];
        writer.Write(row.bits, row.length);
    }
    writer.Fill();
    return file;
}

std::optional<std::string> UnpackBytes(std::string_view file) {
    if (!IsAcceptedVersion(file.substr(0, 3)) || file.size() < kVersionFieldLength)
        return std::nullopt;
    std::size_t at = kVersionFieldLength;
    const std::optional<long> rowCount = ReadHeaderNumber(file, at, '/');
    const std::optional<long> bitCount =
        rowCount ? ReadHeaderNumber(file, at, ' ') : std::optional<long>();
    if (!bitCount || *rowCount < 0 || *rowCount > static_cast<long>(kMaxRows) || *bitCount < 0 ||
        static_cast<std::uint64_t>(*bitCount) > kMaxDataBits)
        return std::nullopt;

    std::size_t tableBytes = 0;
    const auto rows =
        ReadCodeTable(file.substr(at), static_cast<std::size_t>(*rowCount), tableBytes);
    if (!rows) return std::nullopt;
    at += tableBytes;
    // The separator byte is skipped unread, as every reader of the format does.
    if (at >= file.size()) return std::nullopt;
    const std::string_view data = file.substr(at + 1, kPackedDataLimit);
    const auto bits = static_cast<std::uint64_t>(*bitCount);
    if (bits > std::uint64_t{8} * data.size()) return std::nullopt;

    DecodeTree tree;
    std::size_t shortest = kMaxCodeLength;
    for (const CodeRow& row : *rows) {
        if (!tree.Add(row)) return std::nullopt;
        shortest = std::min<std::size_t>(shortest, row.length);
    }
    return tree.Decode(data, bits, shortest);
}

int packToFile(std::string_view source, const std::filesystem::path& path, int* error) {
    if (error != nullptr) *error = 0;
    const std::optional<std::string> file = PackBytes(source.substr(0, source.find('\0')));
    if (!file) return 0;
    return WriteFileAtomically(path, *file, error) ? 1 : 0;
}

int unpackFile(const std::filesystem::path& path, std::string& output) {
    const std::optional<std::string> file = ReadFilePrefix(path, kLongestUsefulFile);
    if (!file) return 0;
    std::optional<std::string> decoded = UnpackBytes(*file);
    if (!decoded) return 0;
    output = std::move(*decoded);
    return static_cast<int>(output.size());
}

}  // namespace orvane
