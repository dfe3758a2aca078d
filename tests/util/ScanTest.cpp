#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "util/Scan.h"

namespace orvane {
namespace {

// One conversion as the C library's sscanf makes it, with where it stopped.
struct Conversion {
    bool read = false;
    double value = 0;
    std::size_t end = 0;

    bool operator==(const Conversion& other) const {
        // Bit for bit: the sign of a zero or a NaN counts too.
        return read == other.read &&
               (!read ||
                (std::memcmp(&value, &other.value, sizeof value) == 0 && end == other.end));
    }
};

std::ostream& operator<<(std::ostream& out, const Conversion& c) {
    return c.read ? out << std::setprecision(17) << c.value << " up to " << c.end
                  : out << "nothing";
}

// Each conversion starts where the one before stopped, as in one sscanf call
// with several of them.
std::vector<Conversion> ThroughSscanf(const std::string& text, const char* format, int count) {
    std::vector<Conversion> out;
    std::size_t position = 0;
    for (int i = 0; i < count; ++i) {
        Conversion c;
        int end = 0;
        if (std::strcmp(format, "%d") == 0) {
            // "%lld" takes the same characters as "%d" and shows whether the
            // value fits.
            long long value = 0;
            c.read = std::sscanf(text.c_str() + position, "%lld%n", &value, &end) == 1;
            c.value = static_cast<double>(value);
        } else {
            c.read = std::sscanf(text.c_str() + position, "%lf%n", &c.value, &end) == 1;
        }
        if (!c.read) break;
        position += static_cast<std::size_t>(end);
        c.end = position;
        out.push_back(c);
    }
    return out;
}

std::vector<Conversion> ThroughReader(const std::string& text, const char* format, int count) {
    std::vector<Conversion> out;
    ScanReader reader(text, 0);
    for (int i = 0; i < count; ++i) {
        Conversion c;
        if (std::strcmp(format, "%d") == 0) {
            std::int32_t value = 0;
            c.read = reader.Int(value);
            c.value = value;
        } else {
            c.read = reader.Double(c.value);
        }
        if (!c.read) break;
        c.end = reader.position();
        out.push_back(c);
    }
    return out;
}

// Texts where a reader that merely calls strtod or stops early parts ways
// with sscanf: exponents and hexadecimal prefixes left open, half-spelt
// infinities, NaNs with payloads, dots in odd places, signs alone.
// clang-format off
const std::vector<std::string> kHostile = {
    "37.779443", "-126.795298", "+1.25", "1e", "1e+", "1E-x", "1.5e+3", "1e5.3", ".5", "-.5", "+.",
    ".", "-", "+", "--1", "+-1", "0x", "0x1p3", "0X1.8P1", "0x.p1", "0x.", "0xg", "0xp1",
    "-0x1ep-2", "0e", "00012", "inf", "-INF", "infinity", "Infinit", "infx", "infi", "nan", "-nan",
    "nan(123)", "NaN1", "na", "n", "i", "1..2", "1.2.3", "e5", "1e400", "-1e400", "1e-400",
    "4.9e-324", "2.2250738585072011e-308", "0.1000000000000000055511151231257827",
    "9007199254740993", "9007199254740992", "900719925474099.1", "1e22", "1e23", "-1e-22",
    "123456789012345e-22", "0.000000000000000000000000001", "1.500000000000000000000000", "12abc",
    "  \t\n 7 8", "\v\f\r-0", "2147483647", "-2147483648", "0x10", "1e1e1", "1 e1", ". 5"};
// clang-format on

// Numbers as a writer might print them, many of them long or far scaled,
// around where exact reading by one operation gives out (2^53, 10^22).
std::string RandomNumber(std::mt19937& random) {
    std::string text = random() % 2 != 0 ? "-" : "";
    const auto digits = [&](unsigned long most) {
        for (unsigned long n = random() % most + 1; n > 0; --n)
            text += static_cast<char>('0' + random() % 10);
    };
    digits(20);
    if (random() % 2 != 0) {
        text += '.';
        digits(20);
    }
    if (random() % 3 == 0) text += "e" + std::to_string(static_cast<int>(random() % 61) - 30);
    return text;
}

std::string RandomText(std::mt19937& random) {
    static constexpr std::string_view kAlphabet = "0123456789+-.eEpPxXaAbBfFnNiItTyY( \t\n\r\v\f";
    std::string text(random() % 24, ' ');
    for (char& c : text) c = kAlphabet[random() % kAlphabet.size()];
    if (!text.empty() && random() % 16 == 0) text[random() % text.size()] = '\0';
    return text;
}

bool FitsInt32(const std::vector<Conversion>& conversions) {
    for (const Conversion& c : conversions) {
        if (c.value >= 2147483647.0 || c.value <= -2147483648.0) return false;
    }
    return true;
}

TEST(ScanReader, ReadsNumbersExactlyAsSscanfDoes) {
    std::mt19937 random(20261206);
    std::vector<std::string> texts = kHostile;
    // Far more digits than any double holds, and a zero byte inside a number.
    texts.push_back(std::string(400, '7'));
    texts.push_back(std::string("3.\0005", 4));
    for (const std::string& a : kHostile)
        texts.push_back(a + " " + kHostile[random() % kHostile.size()]);
    for (int i = 0; i < 200000; ++i) texts.push_back(RandomText(random));
    for (int i = 0; i < 100000; ++i) texts.push_back(RandomNumber(random));
    for (const std::string& text : texts) {
        ASSERT_EQ(ThroughReader(text, "%lf", 3), ThroughSscanf(text, "%lf", 3)) << text;
        // sscanf leaves a value beyond 32 bits undefined; the reader clamps
        // it, which the next test pins.
        const auto expected = ThroughSscanf(text, "%d", 3);
        if (FitsInt32(expected)) {
            ASSERT_EQ(ThroughReader(text, "%d", 3), expected) << text;
        }
    }
}

TEST(ScanReader, ClampsIntegersBeyondThirtyTwoBits) {
    const std::pair<std::string, std::int32_t> cases[] = {
        {"2147483648", std::numeric_limits<std::int32_t>::max()},
        {"-2147483649", std::numeric_limits<std::int32_t>::min()},
        {"-99999999999999999999999", std::numeric_limits<std::int32_t>::min()},
        {"+00000000000000000000042", 42}};
    for (const auto& [text, expected] : cases) {
        std::int32_t value = 0;
        const std::string line = text + " 7";
        ScanReader reader(line, 0);
        EXPECT_TRUE(reader.Int(value)) << text;
        EXPECT_EQ(value, expected) << text;
        EXPECT_EQ(reader.position(), text.size()) << text;
    }
}

TEST(ScanReader, AFailedConversionStopsTheRestAndKeepsTheirTargets) {
    const std::string text = "ABC 12 x 3.5";
    ScanReader reader(text, 0);
    std::string name;
    std::int32_t id = -1, next = -1;
    double value = -1;
    EXPECT_TRUE(reader.Token(name, 2));
    EXPECT_EQ(name, "AB");
    EXPECT_FALSE(reader.Int(id));
    EXPECT_FALSE(reader.Int(next));
    EXPECT_FALSE(reader.Double(value));
    EXPECT_EQ(std::make_tuple(id, next, value), std::make_tuple(-1, -1, -1.0));
}

}  // namespace
}  // namespace orvane
