#include "records/RecordFile.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

#include "records/PackedFile.h"
#include "util/SafeFile.h"

namespace orvane {
namespace {

constexpr std::size_t kMaxCourseLetters = 8;
// Numbers after a hole's shots are read up to this count; none are kept.
constexpr int kTrailingNumbers = 19;
// The device stamps holes it has no clock time for with 2007-03-08.
bool IsUnsetStamp(const RecordTime& stamp) {
    return stamp[0] == 2007 && stamp[1] == 3 && stamp[3] == 8;
}

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// Values of the text one at a time, knowing which one closed its line: the
// device ends a hole's line with a variable run of numbers, and only the line
// end tells where the run stops.
class RecordTokens {
public:
    explicit RecordTokens(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    // The next value, or nothing at the end of the text.
    std::optional<std::string_view> Next() {
        while (position_ < text_.size() &&
               (IsBlank(text_[position_]) || IsLineEnd(text_[position_])))
            ++position_;
        if (position_ >= text_.size()) return std::nullopt;
        const std::size_t begin = position_;
        while (position_ < text_.size() && !IsBlank(text_[position_]) &&
               !IsLineEnd(text_[position_]))
            ++position_;
        return text_.substr(begin, position_ - begin);
    }

    // True when nothing but blanks stands between the last value and a line
    // end (or the end of the text).
    bool AtLineEnd() const {
        std::size_t at = position_;
        while (at < text_.size() && IsBlank(text_[at])) ++at;
        return at >= text_.size() || IsLineEnd(text_[at]);
    }

    // Drops what is left of the current line and its line end.
    void SkipLine() {
        while (position_ < text_.size() && !IsLineEnd(text_[position_])) ++position_;
        if (position_ < text_.size() && text_[position_] == '\r') ++position_;
        if (position_ < text_.size() && text_[position_] == '\n') ++position_;
    }

    bool AtEnd() {
        while (position_ < text_.size() &&
               (IsBlank(text_[position_]) || IsLineEnd(text_[position_])))
            ++position_;
        return position_ >= text_.size();
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// "%d": leading digits with a sign, clamped to 32 bits; 0 when none.
std::int32_t IntOf(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error == std::errc::result_out_of_range)
        return token.starts_with('-') ? std::numeric_limits<std::int32_t>::min()
                                      : std::numeric_limits<std::int32_t>::max();
    if (error != std::errc()) return 0;
    value = std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(value);
}

double DoubleOf(std::string_view token) {
    const std::string copy(token);
    return std::strtod(copy.c_str(), nullptr);
}

std::int32_t NextInt(RecordTokens& tokens) {
    const auto token = tokens.Next();
    return token ? IntOf(*token) : 0;
}

// The values of one header line; values past `count` on it are dropped and a
// short line leaves the rest empty.
std::array<std::string_view, 7> HeaderLine(RecordTokens& tokens, std::size_t count) {
    std::array<std::string_view, 7> values{};
    for (std::size_t i = 0; i < count && !tokens.AtLineEnd(); ++i) values[i] = *tokens.Next();
    tokens.SkipLine();
    return values;
}

RecordTime TimeLine(RecordTokens& tokens) {
    const auto values = HeaderLine(tokens, 7);
    RecordTime time{};
    for (std::size_t i = 0; i < 7; ++i) time[i] = IntOf(values[i]);
    return time;
}

// The hole index a label names, placing a new course letter; noted when the
// number is above 9.
int HoleIndexOf(std::string_view label, RoundRecord& record, bool& numberAboveNine) {
    const char letter = label.front();
    std::size_t course = record.courseLetters.find(letter);
    if (course == std::string::npos) {
        course = record.courseLetters.size();
        if (course < kMaxCourseLetters) record.courseLetters += letter;
    }
    const std::int32_t number = IntOf(label.substr(1));
    if (number > 9) numberAboveNine = true;
    // A label of a ninth letter or a wild number lands outside 0..17.
    const long long index = static_cast<long long>(number) + 9 * static_cast<long long>(course) - 1;
    return index >= 0 && index < static_cast<long long>(kRecordHoles) ? static_cast<int>(index)
                                                                      : -1;
}

void ReadShots(RecordTokens& tokens, std::int32_t count, HoleResult* hole) {
    for (std::int32_t shot = 0; shot < count && !tokens.AtEnd(); ++shot) {
        const auto east = tokens.Next();
        const auto north = tokens.Next();
        const auto club = tokens.Next();
        if (hole == nullptr || static_cast<std::size_t>(shot) >= kKeptShots) continue;
        ShotPoint& point = hole->shots[static_cast<std::size_t>(shot)];
        point.east = east ? DoubleOf(*east) : 0;
        point.north = north ? DoubleOf(*north) : 0;
        point.club = club ? IntOf(*club) : 0;
    }
}

void SkipTrailingNumbers(RecordTokens& tokens) {
    for (int read = 0; read < kTrailingNumbers && !tokens.AtLineEnd(); ++read) tokens.Next();
    // A longer run than the device writes is dropped whole, so the time stamp
    // is still read from its own line.
    tokens.SkipLine();
}

void SettleHoleCount(RoundRecord& record, bool numberAboveNine) {
    std::string& letters = record.courseLetters;
    const bool secondCourse = letters.size() >= 2;
    if (record.holeCount >= 10) {
        record.holeCount = 18;
        if (!secondCourse && !letters.empty()) letters += letters.front();
    } else if (secondCourse || numberAboveNine) {
        record.holeCount = 18;
        if (!secondCourse && !letters.empty()) letters += letters.front();
    } else {
        record.holeCount = 9;
    }
}

void NameCourses(RoundRecord& record, std::string_view clubName) {
    const std::string& letters = record.courseLetters;
    if (clubName.starts_with("MyCC")) {
        record.frontCourseName = "Hole";
        record.backCourseName = letters.size() >= 2 ? "Hole" : "";
        return;
    }
    record.frontCourseName = letters.empty() ? "" : letters.substr(0, 1);
    record.backCourseName = letters.size() >= 2 ? letters.substr(1, 1) : "";
}

void SumNine(const RoundRecord& record, std::size_t first, std::size_t end, std::int32_t& par,
             std::int32_t& score, std::int32_t& incomplete) {
    par = score = incomplete = 0;
    for (std::size_t hole = first; hole < end; ++hole) {
        par += record.holes[hole].par;
        score += record.holes[hole].scoreToPar;
        if (record.holes[hole].par == 0) incomplete = 1;
    }
}

}  // namespace

std::optional<RoundRecord> ParseRecordText(std::string_view text, std::string_view clubName) {
    RecordTokens tokens(text);
    if (tokens.AtEnd()) return std::nullopt;
    RoundRecord record;

    const auto first = HeaderLine(tokens, 2);
    record.version = IntOf(first[0]);
    record.value2 = first[1].empty() ? 0 : DoubleOf(first[1]);
    const auto second = HeaderLine(tokens, 3);
    record.value3 = IntOf(second[1]);
    record.value4 = IntOf(second[2]);
    const auto club = HeaderLine(tokens, 2);
    if (club[0].empty() || club[0] != clubName) return std::nullopt;
    record.startTime = TimeLine(tokens);
    record.endTime = TimeLine(tokens);

    bool numberAboveNine = false;
    while (const auto label = tokens.Next()) {
        const int index = HoleIndexOf(*label, record, numberAboveNine);
        HoleResult* hole = index >= 0 ? &record.holes[static_cast<std::size_t>(index)] : nullptr;
        const std::int32_t values = NextInt(tokens);
        const std::int32_t flags = NextInt(tokens);
        const std::int32_t score = NextInt(tokens);
        const std::int32_t shots = NextInt(tokens);
        if (hole != nullptr) {
            if (hole->par == 0) ++record.holeCount;
            hole->par = values & 15;
            hole->putts = (values >> 4) & 15;
            hole->flagsLow = flags & 15;
            hole->flagsHigh = (flags >> 4) & 15;
            hole->scoreToPar = score < -4 || score > 9 ? 0 : score;
            hole->shotCount = std::max(shots, 0);
        }
        ReadShots(tokens, shots, hole);
        SkipTrailingNumbers(tokens);

        RecordTime stamp{};
        std::size_t read = 0;
        for (; read < 7; ++read) {
            const auto value = tokens.Next();
            if (!value) break;
            stamp[read] = IntOf(*value);
        }
        if (read < 7) break;
        if (!IsUnsetStamp(stamp)) record.endTime = stamp;
    }

    SettleHoleCount(record, numberAboveNine);
    NameCourses(record, clubName);
    SumNine(record, 0, 9, record.frontParTotal, record.frontScoreTotal, record.frontIncomplete);
    if (record.holeCount >= 10) {
        SumNine(record, 9, static_cast<std::size_t>(record.holeCount), record.backParTotal,
                record.backScoreTotal, record.backIncomplete);
    }
    return record;
}

int readRecordFile(const std::filesystem::path& folder, std::string_view fileName,
                   RecordEntry& entry) {
    if (!IsSafeFileName(fileName)) return 0;
    std::string text;
    if (unpackFile(folder / fileName, text) == 0) return 0;
    std::optional<RoundRecord> record = ParseRecordText(text, entry.name);
    entry.record = record ? std::make_unique<RoundRecord>(std::move(*record)) : nullptr;
    return entry.record ? 1 : 0;
}

}  // namespace orvane
