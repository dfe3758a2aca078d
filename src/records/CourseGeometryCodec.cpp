#include "records/CourseGeometryCodec.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {
namespace {

/* DD layout. Multi-byte numbers are little-endian. "Keyed" bytes are XORed
 * with key[offset % 4], offset counted from the start of the file.
 *
 *   0..3    free; the writer puts "OVDD" there, the reader ignores it.
 *   4..7    the file key, each byte k[i] stored as s with
 *           k[i] = s ^ (s < kKeySplit ? byte8 : byte9) ^ kKeySalt[i],
 *           so the key never appears in the file as it is.
 *   8, 9    the two choosers for the key bytes.
 *   10      holes per course (low 6 bits).
 *   11      course count (low 4 bits), third value (bits 4..5).
 *   12..19  keyed 64-bit word, the base reference point:
 *             bits  0..14 longitude whole part, hundredths of a degree
 *             bits 15..28 longitude fraction, 1/10,000 of a hundredth (0..9999)
 *             bit  29     longitude negative
 *             bits 30..44 latitude whole part
 *             bits 45..58 latitude fraction
 *             bit  59     latitude negative
 *             bit  60     hole reference records are 6 bytes, not 4
 *   then per hole:
 *     reference record, keyed: longitude then latitude offsets from the base
 *     in millionths of a degree, signed 16-bit (4-byte record) or signed
 *     24-bit (6-byte record);
 *     items: a plain tag byte; F, G, B, W add a plain number byte (from 1),
 *     S a plain code byte; then the point list. "A" ends the hole: a plain
 *     par/number byte, a plain 16-bit length, and the text with byte i XORed
 *     with key[i % 4].
 *   Point list: a plain count byte (low 7 bits count, top bit set for 4-byte
 *   points), then the points. A point's byte 0 is XORed with key[0], byte i
 *   after it with key[(stored byte i-1 + i) % 4], so the key byte follows the
 *   point's own bytes. Plain point bits: 3-byte points hold longitude in bits
 *   0..11 and latitude in bits 12..23 (signed 12-bit), 4-byte points two
 *   signed 16-bit values; all are millionths of a degree from the hole's
 *   reference. */
constexpr std::uint8_t kKeySplit = 0x80;
constexpr std::array<std::uint8_t, 4> kKeySalt{0xA7, 0x3C, 0x61, 0xD2};
constexpr std::size_t kHeaderSize = 20;
// A hole needs at least a reference record and its "A" item.
constexpr std::size_t kMinHoleBytes = 8;
constexpr std::uint64_t kWholeBits = 15;
constexpr std::uint64_t kFractionBits = 14;
constexpr std::uint64_t kSixByteReferencesBit = 60;
constexpr std::int64_t kMicroPerWhole = 10000;

std::uint8_t U8(unsigned value) { return static_cast<std::uint8_t>(value & 0xFFu); }

std::uint8_t KeyChooser(std::uint8_t stored, std::uint8_t byte8, std::uint8_t byte9) {
    return stored < kKeySplit ? byte8 : byte9;
}

std::int32_t SignExtend(std::uint32_t value, unsigned bits) {
    const std::uint32_t sign = 1u << (bits - 1);
    const std::uint32_t mask = (bits == 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
    value &= mask;
    return static_cast<std::int32_t>(value ^ sign) - static_cast<std::int32_t>(sign);
}

struct BaseAxis {
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    bool negative = false;
};

double ReferenceOf(std::int32_t value, const BaseAxis& base) {
    const double whole = static_cast<double>(base.negative ? -base.whole : base.whole);
    const double fraction = static_cast<double>(base.negative ? -base.fraction : base.fraction);
    return (value / 10000.0 + fraction / 10000.0 + whole) / 100.0;
}

class Cursor {
public:
    explicit Cursor(std::string_view data) : data_(data) {}
    std::size_t offset() const { return offset_; }
    std::size_t remaining() const { return data_.size() - offset_; }
    bool Byte(std::uint8_t& out) {
        if (offset_ >= data_.size()) return false;
        out = static_cast<std::uint8_t>(data_[offset_++]);
        return true;
    }

private:
    std::string_view data_;
    std::size_t offset_ = 0;
};

struct Reader {
    Cursor cursor;
    DdKey key{};
    BaseAxis longitude;
    BaseAxis latitude;
    bool sixByteReferences = false;

    bool Keyed(std::uint8_t& out) {
        const std::size_t at = cursor.offset();
        if (!cursor.Byte(out)) return false;
        out = U8(out ^ key[at % 4]);
        return true;
    }

    bool Reference(GeoPoint& reference) {
        const std::size_t width = sixByteReferences ? 3 : 2;
        std::array<std::int32_t, 2> values{};
        for (std::int32_t& value : values) {
            std::uint32_t raw = 0;
            for (std::size_t i = 0; i < width; ++i) {
                std::uint8_t byte = 0;
                if (!Keyed(byte)) return false;
                raw |= static_cast<std::uint32_t>(byte) << (8 * i);
            }
            value = SignExtend(raw, static_cast<unsigned>(8 * width));
        }
        reference.longitude = ReferenceOf(values[0], longitude);
        reference.latitude = ReferenceOf(values[1], latitude);
        return true;
    }

    bool Points(const GeoPoint& reference, GeometryItem& item) {
        std::uint8_t head = 0;
        if (!cursor.Byte(head)) return false;
        const std::size_t count = head & 0x7Fu;
        const bool wide = (head & 0x80u) != 0;
        const std::size_t width = wide ? 4 : 3;
        item.points.clear();
        for (std::size_t n = 0; n < count; ++n) {
            std::uint32_t plain = 0;
            std::uint8_t previous = 0;
            for (std::size_t i = 0; i < width; ++i) {
                std::uint8_t stored = 0;
                if (!cursor.Byte(stored)) return false;
                const std::uint8_t k = i == 0 ? key[0] : key[(previous + i) % 4];
                plain |= static_cast<std::uint32_t>(U8(stored ^ k)) << (8 * i);
                previous = stored;
            }
            const std::int32_t east =
                wide ? SignExtend(plain & 0xFFFFu, 16) : SignExtend(plain, 12);
            const std::int32_t north =
                wide ? SignExtend(plain >> 16, 16) : SignExtend(plain >> 12, 12);
            item.points.push_back(
                {reference.longitude + east / 1000000.0, reference.latitude + north / 1000000.0});
        }
        return true;
    }

    // A numbered item: number byte, then its points. `filled` is the slot, or
    // nullptr (points still consumed) when the number has none.
    template <std::size_t N>
    bool Numbered(const GeoPoint& reference, std::array<GeometryItem, N>& slots,
                  std::int32_t& count, GeometryItem** filled) {
        std::uint8_t number = 0;
        if (!cursor.Byte(number)) return false;
        GeometryItem item;
        if (!Points(reference, item)) return false;
        *filled = nullptr;
        if (number < 1 || number > N) return true;
        item.value = number;
        slots[number - 1u] = std::move(item);
        *filled = &slots[number - 1u];
        ++count;
        return true;
    }

    bool Hole(HoleGeometry& hole) {
        if (!Reference(hole.reference)) return false;
        GeometryItem* filled = nullptr;
        for (;;) {
            std::uint8_t tag = 0;
            if (!cursor.Byte(tag)) return false;
            switch (tag) {
                case 'T':
                    if (!Points(hole.reference, hole.tees)) return false;
                    break;
                case 'O':
                    if (!Points(hole.reference, hole.outline)) return false;
                    break;
                case 'I':
                    if (!Points(hole.reference, hole.markerLine)) return false;
                    hole.hasMarker = 1;
                    if (!hole.markerLine.points.empty())
                        hole.marker = hole.markerLine.points[hole.markerLine.points.size() / 2];
                    break;
                case 'F':
                    if (!Numbered(hole.reference, hole.fairways, hole.fairwayCount, &filled))
                        return false;
                    break;
                case 'G': {
                    const std::int32_t before = hole.greenCount;
                    if (!Numbered(hole.reference, hole.greens, hole.greenCount, &filled))
                        return false;
                    if (filled != nullptr && before < static_cast<std::int32_t>(kGreenSlots))
                        hole.greenCentres[static_cast<std::size_t>(before)] =
                            GreenCentre(filled->points);
                    break;
                }
                case 'B':
                    if (!Numbered(hole.reference, hole.bunkers, hole.bunkerCount, &filled))
                        return false;
                    break;
                case 'W':
                    if (!Numbered(hole.reference, hole.waters, hole.waterCount, &filled))
                        return false;
                    break;
                case 'S':
                    if (!Object(hole)) return false;
                    break;
                case 'A':
                    return Information(hole);
                default:
                    break;
            }
        }
    }

    bool Object(HoleGeometry& hole) {
        std::uint8_t code = 0;
        if (!cursor.Byte(code)) return false;
        GeometryItem item;
        if (!Points(hole.reference, item)) return false;
        item.value = code + 100;
        const bool low = code < 100;
        std::int32_t& used = low ? hole.objectCountLow : hole.objectCountHigh;
        const std::size_t slot = std::min(static_cast<std::size_t>(used), kObjectHalf - 1);
        hole.objects[(low ? 0 : kObjectHalf) + slot] = std::move(item);
        used = std::min(used + 1, static_cast<std::int32_t>(kObjectHalf));
        return true;
    }

    bool Information(HoleGeometry& hole) {
        std::uint8_t parNumber = 0;
        std::uint8_t lengthLow = 0;
        std::uint8_t lengthHigh = 0;
        if (!cursor.Byte(parNumber) || !cursor.Byte(lengthLow) || !cursor.Byte(lengthHigh))
            return false;
        hole.par = parNumber >> 5;
        hole.number = parNumber & 0x1F;
        const std::size_t length = lengthLow | static_cast<std::size_t>(lengthHigh) << 8;
        if (length > kMaxHoleText) return false;
        hole.text.clear();
        for (std::size_t i = 0; i < length; ++i) {
            std::uint8_t byte = 0;
            if (!cursor.Byte(byte)) return false;
            hole.text.push_back(static_cast<char>(byte ^ key[i % 4]));
        }
        return true;
    }
};

BaseAxis AxisFromBits(std::uint64_t word, std::uint64_t at) {
    BaseAxis axis;
    axis.whole = static_cast<std::int64_t>((word >> at) & ((1u << kWholeBits) - 1));
    axis.fraction =
        static_cast<std::int64_t>((word >> (at + kWholeBits)) & ((1u << kFractionBits) - 1));
    axis.negative = ((word >> (at + kWholeBits + kFractionBits)) & 1u) != 0;
    return axis;
}

std::uint64_t AxisBits(const BaseAxis& axis, std::uint64_t at) {
    return (static_cast<std::uint64_t>(axis.whole) << at) |
           (static_cast<std::uint64_t>(axis.fraction) << (at + kWholeBits)) |
           (static_cast<std::uint64_t>(axis.negative ? 1 : 0) << (at + kWholeBits + kFractionBits));
}

constexpr std::uint64_t kLatitudeAt = kWholeBits + kFractionBits + 1;

}  // namespace

bool DecodeCourseGeometry(std::string_view dd, CourseGeometry& geometry) {
    geometry.holes.clear();
    if (dd.size() < kHeaderSize) return false;
    const auto at = [&](std::size_t i) { return static_cast<std::uint8_t>(dd[i]); };
    Reader reader{Cursor(dd)};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint8_t stored = at(4 + i);
        reader.key[i] = U8(stored ^ KeyChooser(stored, at(8), at(9)) ^ kKeySalt[i]);
    }
    geometry.holesPerCourse = at(10) & 0x3F;
    geometry.courseCount = at(11) & 0x0F;
    geometry.thirdValue = (at(11) >> 4) & 0x03;
    geometry.holeTotal = geometry.holesPerCourse * geometry.courseCount;
    if (geometry.holeTotal == 0) return false;
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < 8; ++i)
        word |= static_cast<std::uint64_t>(U8(at(12 + i) ^ reader.key[(12 + i) % 4])) << (8 * i);
    reader.longitude = AxisFromBits(word, 0);
    reader.latitude = AxisFromBits(word, kLatitudeAt);
    reader.sixByteReferences = ((word >> kSixByteReferencesBit) & 1u) != 0;

    for (std::size_t i = 0; i < kHeaderSize; ++i) {
        std::uint8_t skipped = 0;
        reader.cursor.Byte(skipped);
    }
    geometry.holes.resize(1);
    for (std::int32_t hole = 1; hole <= geometry.holeTotal; ++hole) {
        HoleGeometry read;
        if (reader.cursor.remaining() < kMinHoleBytes || !reader.Hole(read)) {
            geometry.holeTotal = hole - 1;
            break;
        }
        geometry.holes.push_back(std::move(read));
    }
    return true;
}

namespace {

class Writer {
public:
    explicit Writer(const DdKey& key) : key_(key) {}
    std::string& bytes() { return bytes_; }
    void Plain(std::uint8_t byte) { bytes_.push_back(static_cast<char>(byte)); }
    void Keyed(std::uint8_t byte) { Plain(U8(byte ^ key_[bytes_.size() % 4])); }

    bool Points(const GeoPoint& reference, const std::vector<GeoPoint>& points) {
        if (points.size() > kMaxItemPoints) return false;
        std::vector<std::pair<std::int64_t, std::int64_t>> offsets;
        bool wide = false;
        for (const GeoPoint& point : points) {
            const std::int64_t east = std::llround((point.longitude - reference.longitude) * 1e6);
            const std::int64_t north = std::llround((point.latitude - reference.latitude) * 1e6);
            for (const std::int64_t v : {east, north}) {
                if (v < -32768 || v > 32767) return false;
                if (v < -2048 || v > 2047) wide = true;
            }
            offsets.emplace_back(east, north);
        }
        Plain(U8(static_cast<unsigned>(points.size()) | (wide ? 0x80u : 0u)));
        for (const auto& [east, north] : offsets) {
            const auto e = static_cast<std::uint32_t>(east);
            const auto n = static_cast<std::uint32_t>(north);
            const std::uint32_t plain =
                wide ? (e & 0xFFFFu) | (n & 0xFFFFu) << 16 : (e & 0xFFFu) | (n & 0xFFFu) << 12;
            std::uint8_t previous = 0;
            for (std::size_t i = 0; i < (wide ? 4u : 3u); ++i) {
                const std::uint8_t k = i == 0 ? key_[0] : key_[(previous + i) % 4];
                previous = U8((plain >> (8 * i)) ^ k);
                Plain(previous);
            }
        }
        return true;
    }

private:
    DdKey key_;
    std::string bytes_;
};

BaseAxis AxisFromMicro(std::int64_t micro) {
    BaseAxis axis;
    axis.negative = micro < 0;
    const std::int64_t magnitude = std::abs(micro);
    axis.whole = magnitude / kMicroPerWhole;
    axis.fraction = magnitude % kMicroPerWhole;
    return axis;
}

bool HoleItems(Writer& out, const HoleGeometry& hole) {
    const GeoPoint& ref = hole.reference;
    if (!hole.tees.points.empty()) {
        out.Plain('T');
        if (!out.Points(ref, hole.tees.points)) return false;
    }
    if (!hole.outline.points.empty()) {
        out.Plain('O');
        if (!out.Points(ref, hole.outline.points)) return false;
    }
    if (hole.hasMarker != 0) {
        out.Plain('I');
        if (!out.Points(ref, hole.markerLine.points)) return false;
    }
    const auto numbered = [&](char tag, const auto& slots, std::int32_t count) {
        const std::size_t used =
            std::min(static_cast<std::size_t>(std::max(count, 0)), slots.size());
        for (std::size_t i = 0; i < used; ++i) {
            out.Plain(U8(static_cast<unsigned>(tag)));
            out.Plain(U8(static_cast<unsigned>(i + 1)));
            if (!out.Points(ref, slots[i].points)) return false;
        }
        return true;
    };
    if (!numbered('F', hole.fairways, hole.fairwayCount) ||
        !numbered('G', hole.greens, hole.greenCount) ||
        !numbered('B', hole.bunkers, hole.bunkerCount) ||
        !numbered('W', hole.waters, hole.waterCount))
        return false;
    for (std::size_t half = 0; half < 2; ++half) {
        const std::int32_t used = half == 0 ? hole.objectCountLow : hole.objectCountHigh;
        const std::size_t count =
            std::min(static_cast<std::size_t>(std::max(used, 0)), kObjectHalf);
        for (std::size_t i = 0; i < count; ++i) {
            const GeometryItem& item = hole.objects[half * kObjectHalf + i];
            const std::int32_t code = item.value - 100;
            if (code < 0 || code > 255 || (code < 100) != (half == 0)) return false;
            out.Plain('S');
            out.Plain(U8(static_cast<unsigned>(code)));
            if (!out.Points(ref, item.points)) return false;
        }
    }
    if (hole.text.size() > kMaxHoleText || hole.par < 0 || hole.par > 7 || hole.number < 0 ||
        hole.number > 31)
        return false;
    out.Plain('A');
    out.Plain(U8(static_cast<unsigned>(hole.par << 5 | hole.number)));
    out.Plain(U8(static_cast<unsigned>(hole.text.size())));
    out.Plain(U8(static_cast<unsigned>(hole.text.size() >> 8)));
    return true;
}

}  // namespace

std::optional<std::string> EncodeCourseGeometry(const CourseGeometry& geometry, const DdKey& key) {
    if (geometry.holesPerCourse < 0 || geometry.holesPerCourse > 0x3F || geometry.courseCount < 0 ||
        geometry.courseCount > 0x0F || geometry.thirdValue < 0 || geometry.thirdValue > 3)
        return std::nullopt;
    const std::size_t holeTotal = static_cast<std::size_t>(std::max(geometry.holeTotal, 0));
    if (geometry.holes.size() < holeTotal + 1) return std::nullopt;

    // The choosers are free; find a pair for which every key byte has a
    // stored form on the right side of the split.
    std::array<std::uint8_t, 4> stored{};
    std::uint8_t byte8 = 0;
    std::uint8_t byte9 = 0;
    bool found = false;
    for (unsigned b9 = 0x35; b9 < 0x35 + 256 && !found; ++b9) {
        for (unsigned b8 = 0x6B; b8 < 0x6B + 256 && !found; ++b8) {
            found = true;
            for (std::size_t i = 0; i < 4 && found; ++i) {
                const std::uint8_t low = U8(key[i] ^ b8 ^ kKeySalt[i]);
                const std::uint8_t high = U8(key[i] ^ b9 ^ kKeySalt[i]);
                if (low < kKeySplit)
                    stored[i] = low;
                else if (high >= kKeySplit)
                    stored[i] = high;
                else
                    found = false;
            }
            byte8 = U8(b8);
            byte9 = U8(b9);
        }
    }
    if (!found) return std::nullopt;

    const std::int64_t baseEast =
        holeTotal == 0 ? 0 : std::llround(geometry.holes[1].reference.longitude * 1e6);
    const std::int64_t baseNorth =
        holeTotal == 0 ? 0 : std::llround(geometry.holes[1].reference.latitude * 1e6);
    const BaseAxis east = AxisFromMicro(baseEast);
    const BaseAxis north = AxisFromMicro(baseNorth);
    if (east.whole >= (1 << kWholeBits) || north.whole >= (1 << kWholeBits)) return std::nullopt;

    std::vector<std::array<std::int64_t, 2>> references;
    bool sixByte = false;
    for (std::size_t h = 1; h <= holeTotal; ++h) {
        const GeoPoint& ref = geometry.holes[h].reference;
        const std::int64_t dx = std::llround(ref.longitude * 1e6) - baseEast;
        const std::int64_t dy = std::llround(ref.latitude * 1e6) - baseNorth;
        for (const std::int64_t v : {dx, dy}) {
            if (v < -(1 << 23) || v >= (1 << 23)) return std::nullopt;
            if (v < -32768 || v > 32767) sixByte = true;
        }
        references.push_back({dx, dy});
    }

    Writer out(key);
    for (const char c : {'O', 'V', 'D', 'D'}) out.Plain(U8(static_cast<unsigned>(c)));
    for (const std::uint8_t s : stored) out.Plain(s);
    out.Plain(byte8);
    out.Plain(byte9);
    out.Plain(U8(static_cast<unsigned>(geometry.holesPerCourse)));
    out.Plain(U8(static_cast<unsigned>(geometry.courseCount | geometry.thirdValue << 4)));
    const std::uint64_t word =
        AxisBits(east, 0) | AxisBits(north, kLatitudeAt) |
        (static_cast<std::uint64_t>(sixByte ? 1 : 0) << kSixByteReferencesBit);
    for (std::size_t i = 0; i < 8; ++i) out.Keyed(U8(static_cast<unsigned>(word >> (8 * i))));

    for (std::size_t h = 1; h <= holeTotal; ++h) {
        for (const std::int64_t v : references[h - 1])
            for (std::size_t i = 0; i < (sixByte ? 3u : 2u); ++i)
                out.Keyed(U8(static_cast<unsigned>(static_cast<std::uint64_t>(v) >> (8 * i))));
        const HoleGeometry& hole = geometry.holes[h];
        if (!HoleItems(out, hole)) return std::nullopt;
        for (std::size_t i = 0; i < hole.text.size(); ++i)
            out.Plain(U8(static_cast<unsigned char>(hole.text[i]) ^ key[i % 4]));
    }
    return std::move(out.bytes());
}

}  // namespace orvane
