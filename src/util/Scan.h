#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// The blank characters of the C library's scanf and isspace.
constexpr bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads conversions one after another from a position of a text, as one
// sscanf call with "%s", "%d" and "%lf" would: each skips leading blanks, a
// zero byte ends the text, and once a conversion fails the following ones
// fail too, leaving their targets as they were.
class ScanReader {
public:
    ScanReader(const std::string& text, std::size_t position)
        : text_(text), position_(position) {}

    // "%Ns": at most `maxLength` characters of the next token.
    bool Token(std::string& out, std::size_t maxLength = kUnlimited);
    // "%d"; values beyond the 32-bit range are clamped.
    bool Int(std::int32_t& out);
    // "%lf".
    bool Double(double& out);

    std::size_t position() const { return position_; }

    static constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

private:
    char At(std::size_t index) const { return index < text_.size() ? text_[index] : '\0'; }
    void SkipSpace();

    const std::string& text_;
    std::size_t position_;
    bool failed_ = false;
};

}  // namespace orvane
