#include "catalogue/ClubListText.h"

#include <algorithm>
#include <cstring>

#include "util/Scan.h"
#include "util/Text.h"

namespace orvane {
namespace {

// Past the end the text reads as zero bytes, as in a zero-padded buffer.
char ByteAt(const std::string& text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

// Lines a text has at most, for reserving room.
std::size_t LineCount(const std::string& text) {
    std::size_t lines = 1;
    const char* end = text.data() + text.size();
    for (const char* at = text.data();; ++at, ++lines) {
        at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        if (at == nullptr) return lines;
    }
}

bool IsValidVersion(double version) { return version >= 0.3 && version <= 9.99; }

// The line's long name: from the byte after `position` up to the next double
// quote, cut at 255 characters. Returns the position after the closing quote
// and the blank that follows it.
std::size_t ReadTitle(const std::string& text, std::size_t position, std::size_t length,
                      std::string& title) {
    const std::size_t begin = position + 1;
    std::size_t close = begin;
    if (begin < length) {
        const void* quote = std::memchr(text.data() + begin, '"', length - begin);
        close = quote != nullptr
                    ? static_cast<std::size_t>(static_cast<const char*>(quote) - text.data())
                    : length;
    }
    const std::size_t end = std::min(close, begin + kMaxCourseText);
    // Built afresh rather than assigned: std::string's general replacement
    // is the slower path.
    title = begin < end ? std::string(text.data() + begin, end - begin) : std::string();
    return close + 2;
}

// Past the line that holds `position` and the line end(s) after it.
std::size_t SkipLine(const std::string& text, std::size_t position, std::size_t length) {
    while (position < length && text[position] != '\r' && text[position] != '\n') ++position;
    while (position < length && (text[position] == '\r' || text[position] == '\n')) ++position;
    return position;
}

// Reads blank-separated values from `start` as one sscanf call would, and
// tells where SkipTokens(start, count) ends without going over the bytes
// again when the values stand as the lists write them: the first right at
// `start`, each further one after a single blank. A value holds no blank and
// no line end, so skipping `count` tokens from `start` then passes the same
// blanks as skipping one token from where the last value ended.
class ValueGroup {
public:
    ValueGroup(const std::string& text, std::size_t start)
        : text_(text),
          start_(start),
          reader_(text, start),
          laidOut_(!IsScanSpace(ByteAt(text, start))) {}

    void Token(std::string& out, std::size_t maxLength) {
        CheckBlank();
        Count(reader_.Token(out, maxLength));
    }
    void Int(std::int32_t& out) {
        CheckBlank();
        Count(reader_.Int(out));
    }
    void Double(double& out) {
        CheckBlank();
        Count(reader_.Double(out));
    }

    std::size_t SkipTokens(int count) const {
        if (laidOut_ && read_ == count)
            return orvane::SkipTokens(text_, reader_.position(), 1, text_.size());
        return orvane::SkipTokens(text_, start_, count, text_.size());
    }

private:
    // Every value after the first must follow the one before after exactly
    // one blank.
    void CheckBlank() {
        if (read_ == 0) return;
        const std::size_t end = reader_.position();
        if (ByteAt(text_, end) != ' ' || IsScanSpace(ByteAt(text_, end + 1))) laidOut_ = false;
    }
    void Count(bool read) {
        if (read) {
            ++read_;
        } else {
            laidOut_ = false;
        }
    }

    const std::string& text_;
    std::size_t start_;
    ScanReader reader_;
    bool laidOut_;
    int read_ = 0;
};

void ApplyName(CourseNode& course, std::string& name, ClubListSide side) {
    if (side == ClubListSide::Catalogue) course.shortKey = ShortKeyFor(name);
    const bool alias = side == ClubListSide::Device && name.starts_with('_');
    (alias ? course.fileKey : course.name).swap(name);
}

}  // namespace

std::size_t SkipTokens(const std::string& text, std::size_t position, int count,
                       std::size_t length) {
    if (count == 0) return position;
    length = std::min(length, text.size());
    if (position >= length) return ByteAt(text, position) == ' ' ? position + 1 : position;
    int blanks = 0;
    while (position < length) {
        const char c = text[position];
        if (c == '\r' && ByteAt(text, position + 1) == '\n') {
            position += 2;
            break;
        }
        ++position;
        if (c == '\n' || (c == ' ' && ++blanks == count)) break;
    }
    if (ByteAt(text, position) == ' ') ++position;
    return position;
}

std::vector<CourseNode> ParseTextClubList(const std::string& text, int zone, ClubListSide side,
                                          Ui& ui) {
    std::vector<CourseNode> courses;
    const std::size_t length = text.size();
    if (length <= 4) return courses;
    // One course a line: growing the list as it fills would move every
    // course several times.
    courses.reserve(LineCount(text));
    std::size_t position = 0;
    while (position + 4 < length) {
        // Filled in place; a line that turns out invalid is taken back.
        CourseNode& course = courses.emplace_back();
        std::string name;
        ValueGroup nameToken(text, position);
        nameToken.Token(name, kMaxCourseText);
        position = nameToken.SkipTokens(1);
        position = ReadTitle(text, position, length, course.title);

        ValueGroup fields(text, position);
        fields.Int(course.id);
        fields.Double(course.lat);
        fields.Double(course.lon);
        position = fields.SkipTokens(3);
        for (PointOffset& point : course.points) {
            ValueGroup pair(text, position);
            pair.Int(point.dLat);
            pair.Int(point.dLon);
            position = pair.SkipTokens(2);
        }
        const std::size_t versionStart = position;
        ValueGroup version(text, position);
        version.Double(course.version);
        position = version.SkipTokens(1);
        ComputeBounds(course);

        if (!IsValidVersion(course.version)) {
            courses.pop_back();
            ui.Ask(Format("ClubList: Z= %d", zone), Format("CC: %s", name.c_str()), Buttons::Ok);
            // Only this line is dropped: the token skip above may already
            // have stepped into the next one.
            position = SkipLine(text, versionStart, length);
            continue;
        }
        course.zone = zone;
        ApplyName(course, name, side);
    }
    return courses;
}

void AppendTextClubListLine(std::string& out, const CourseNode& course) {
    out += Format("%s \"%s\" %08d %.6lf %.6lf ", course.name.c_str(), course.title.c_str(),
                  course.id, course.lat, course.lon);
    for (const PointOffset& point : course.points) out += Format("%d %d ", point.dLat, point.dLon);
    out += Format("%.2lf\n", course.version);
}

}  // namespace orvane
