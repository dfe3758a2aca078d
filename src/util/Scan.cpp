#include "util/Scan.h"

#include <locale.h>

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace orvane {
namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr int Digit(char c) { return c - '0'; }

// `word` (in lower case) at `at`, in any case. Stops at the first difference,
// so it never reads past a zero byte.
bool WordAt(const char* at, std::string_view word) {
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (Lower(at[i]) != word[i]) return false;
    }
    return true;
}

// The characters "%lf" takes from a text and how to value them. The C
// library's scanf takes whatever could still grow into a number, one
// character at a time, and gives back only the last; strtod then values the
// longest number at their start. So "1e" and "0x." are taken whole although
// their values end earlier.
struct FloatText {
    // 0 when the characters form no number.
    std::size_t length = 0;
    // Hexadecimal, infinity or NaN, which only the C library values.
    bool special = false;
    // The value, when one floating-point operation gives it exactly.
    std::optional<double> exact;
};

// "nan", "inf" or "infinity", in any case: a word begun must be completed.
FloatText SpecialFloat(const char* text, std::size_t signLength) {
    const char* at = text + signLength;
    if (Lower(*at) == 'n') return {WordAt(at, "nan") ? signLength + 3 : 0, true};
    if (!WordAt(at, "inf")) return {};
    if (Lower(at[3]) != 'i') return {signLength + 3, true};
    return {WordAt(at, "infinity") ? signLength + 8 : 0, true};
}

// After "0x": hexadecimal digits, one point, a "p" exponent with its sign.
FloatText HexFloat(const char* text, std::size_t signLength) {
    const std::size_t start = signLength + 2;
    std::size_t i = start;
    bool digit = false, dot = false, exponent = false;
    for (;; ++i) {
        const char c = text[i];
        if (IsDigit(c) || (!exponent && IsHexDigit(c))) {
            digit = true;
        } else if (exponent && Lower(text[i - 1]) == 'p' && (c == '+' || c == '-')) {
            continue;
        } else if (digit && !exponent && Lower(c) == 'p') {
            exponent = dot = true;
        } else if (!dot && c == '.') {
            dot = true;
        } else {
            break;
        }
    }
    // "0x" alone is no number.
    return {i == start ? 0 : i, true};
}

// A decimal number: digits, a point and digits, then "e", a sign and digits
// when a digit came before. Its value is exact when its digits make an
// integer of at most 2^53 and its scale is a power of ten up to 10^22: both
// are exact doubles, so one multiplication or division rounds as strtod does
// (the fast path of Clinger's algorithm). Every number the lists write is
// such a number.
FloatText DecimalFloat(const char* text, std::size_t signLength) {
    constexpr std::uint64_t kMostBeforeDigit = ((std::uint64_t{1} << 53) - 9) / 10;
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kLargestExactPower = 22;
    constexpr int kExponentCap = 100000;

    std::size_t i = signLength;
    std::uint64_t mantissa = 0;
    bool mantissaExact = true;
    int scale = 0;
    const auto takeDigits = [&](bool fraction) {
        const std::size_t first = i;
        for (; IsDigit(text[i]); ++i) {
            if (mantissa > kMostBeforeDigit) {
                mantissaExact = false;
                continue;
            }
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(Digit(text[i]));
            if (fraction) --scale;
        }
        return i > first;
    };
    bool digit = takeDigits(false);
    if (text[i] == '.') {
        ++i;
        digit = takeDigits(true) || digit;
    }
    if (digit && Lower(text[i]) == 'e') {
        ++i;
        const bool negative = text[i] == '-';
        if (negative || text[i] == '+') ++i;
        int exponent = 0;
        const std::size_t first = i;
        for (; IsDigit(text[i]); ++i) {
            if (exponent < kExponentCap) exponent = exponent * 10 + Digit(text[i]);
        }
        // An exponent without digits is no part of the value.
        if (i > first) scale += negative ? -exponent : exponent;
    }
    FloatText number{i == signLength ? 0 : i, false};
    if (digit && mantissaExact && scale >= -kLargestExactPower && scale <= kLargestExactPower) {
        const double whole = static_cast<double>(mantissa);
        const double power = kExactPowers[scale < 0 ? -scale : scale];
        const double value = scale < 0 ? whole / power : whole * power;
        number.exact = text[0] == '-' ? -value : value;
    }
    return number;
}

FloatText ReadFloatText(const char* text) {
    const std::size_t signLength = text[0] == '+' || text[0] == '-' ? 1 : 0;
    const char first = Lower(text[signLength]);
    if (first == 'n' || first == 'i') return SpecialFloat(text, signLength);
    if (first == '0' && Lower(text[signLength + 1]) == 'x') return HexFloat(text, signLength);
    return DecimalFloat(text, signLength);
}

// What strtod makes of the characters, as sscanf hands them to it, in the C
// locale.
bool CLibraryValue(const char* first, const char* last, double& out) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(first, last);
    char* end = nullptr;
    const double value = strtod_l(terminated.c_str(), &end, cLocale);
    if (end == terminated.c_str()) return false;
    out = value;
    return true;
}

// The value of a number that is not exact by the fast path.
bool SlowValue(const char* first, const FloatText& number, double& out) {
    const char* last = first + number.length;
    if (number.special) return CLibraryValue(first, last, out);
    // from_chars rounds as strtod does but takes no plus sign.
    const std::errc error = std::from_chars(*first == '+' ? first + 1 : first, last, out).ec;
    if (error == std::errc::result_out_of_range) return CLibraryValue(first, last, out);
    return error == std::errc();
}

}  // namespace

bool ScanReader::Token(std::string& out, std::size_t maxLength) {
    if (failed_) return false;
    SkipSpace();
    const std::size_t begin = position_;
    while (position_ - begin < maxLength && At(position_) != '\0' && !IsScanSpace(At(position_)))
        ++position_;
    if (position_ == begin) return Fail();
    // Built afresh rather than assigned: std::string's general replacement
    // is the slower path for a short name.
    out = std::string(text_.data() + begin, position_ - begin);
    return true;
}

bool ScanReader::Int(std::int32_t& out) {
    if (failed_) return false;
    SkipSpace();
    std::size_t end = position_;
    const bool negative = At(end) == '-';
    if (negative || At(end) == '+') ++end;
    if (!IsDigit(At(end))) return Fail();
    // Counting stops once the value is out of range; the digits still belong
    // to the conversion.
    constexpr std::uint64_t kLimit = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    for (; IsDigit(At(end)); ++end) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + static_cast<std::uint64_t>(Digit(At(end)));
    }
    position_ = end;
    if (negative) {
        out = magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                  : -static_cast<std::int32_t>(magnitude);
    } else {
        out = magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                                  : static_cast<std::int32_t>(magnitude);
    }
    return true;
}

bool ScanReader::Double(double& out) {
    if (failed_) return false;
    SkipSpace();
    const char* first = text_.data() + position_;
    const FloatText number = ReadFloatText(first);
    if (number.length == 0) return Fail();
    double value = 0;
    if (number.exact) {
        value = *number.exact;
    } else if (!SlowValue(first, number, value)) {
        return Fail();
    }
    position_ += number.length;
    out = value;
    return true;
}

}  // namespace orvane
