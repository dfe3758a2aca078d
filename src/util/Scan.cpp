#include "util/Scan.h"

#include <cstdlib>
#include <limits>

namespace orvane {

void ScanReader::SkipSpace() {
    while (IsScanSpace(At(position_))) ++position_;
}

bool ScanReader::Token(std::string& out, std::size_t maxLength) {
    if (failed_) return false;
    SkipSpace();
    const std::size_t begin = position_;
    while (position_ - begin < maxLength && At(position_) != '\0' && !IsScanSpace(At(position_)))
        ++position_;
    if (position_ == begin) return !(failed_ = true);
    out.assign(text_, begin, position_ - begin);
    return true;
}

bool ScanReader::Int(std::int32_t& out) {
    if (failed_) return false;
    SkipSpace();
    if (position_ >= text_.size()) return !(failed_ = true);
    const char* begin = text_.c_str() + position_;
    char* end = nullptr;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin) return !(failed_ = true);
    position_ += static_cast<std::size_t>(end - begin);
    constexpr long long kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long long kMax = std::numeric_limits<std::int32_t>::max();
    out = static_cast<std::int32_t>(value < kMin ? kMin : value > kMax ? kMax : value);
    return true;
}

bool ScanReader::Double(double& out) {
    if (failed_) return false;
    SkipSpace();
    if (position_ >= text_.size()) return !(failed_ = true);
    const char* begin = text_.c_str() + position_;
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin) return !(failed_ = true);
    position_ += static_cast<std::size_t>(end - begin);
    out = value;
    return true;
}

}  // namespace orvane
