#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The blank characters of the C library's scanf and isspace.
// Tab, line feed, vertical tab, form feed and carriage return are 9 to 13.
constexpr bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Reads conversions one after another from a position of a text, as one
// sscanf call with "%s", "%d" and "%lf" would in the C locale: each skips
// leading blanks, a zero byte ends the text, a number stops where sscanf
// stops, and once a conversion fails the following ones fail too, leaving
// their targets as they were. The numbers are read without the C library,
// whose conversions were the largest cost of loading a catalogue, and
// whatever locale the program runs in.
class ScanReader {
public:
    // A position past the end reads as the end.
    ScanReader(const std::string& text, std::size_t position)
        : text_(text), position_(position < text.size() ? position : text.size()) {}

    // "%Ns": at most `maxLength` characters of the next token.
    bool Token(std::string& out, std::size_t maxLength = kUnlimited);
    // "%d"; values beyond the 32-bit range are clamped.
    bool Int(std::int32_t& out);
    // "%lf", with "inf", "infinity", "nan" and hexadecimal forms.
    bool Double(double& out);

    // Where the last successful conversion stopped.
    std::size_t position() const { return position_; }

    static constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

private:
    // Every scan stops at a zero byte, and a string ends in one, so no index
    // passes the end.
    char At(std::size_t index) const { return text_.data()[index]; }
    void SkipSpace() {
        while (IsScanSpace(At(position_))) ++position_;
    }
    bool Fail() { return !(failed_ = true); }

    const std::string& text_;
    std::size_t position_;
    bool failed_ = false;
};

}  // namespace orvane
