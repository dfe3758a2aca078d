#include "catalogue/ClubListText.h"

#include <algorithm>

#include "util/Scan.h"
#include "util/Text.h"

namespace orvane {
namespace {

// Past the end the text reads as zero bytes, as in a zero-padded buffer.
char ByteAt(const std::string& text, std::size_t index) {
    return index < text.size() ? text[index] : '\0';
}

bool IsValidVersion(double version) { return version >= 0.3 && version <= 9.99; }

// The line's long name: from the byte after `position` up to the next double
// quote, cut at 255 characters. Returns the position after the closing quote
// and the blank that follows it.
std::size_t ReadTitle(const std::string& text, std::size_t position, std::size_t length,
                      std::string& title) {
    const std::size_t begin = position + 1;
    std::size_t close = begin;
    while (close < length && text[close] != '"') ++close;
    const std::size_t end = std::min(close, begin + kMaxCourseText);
    title = begin < end ? text.substr(begin, end - begin) : std::string();
    return close + 2;
}

// Past the line that holds `position` and the line end(s) after it.
std::size_t SkipLine(const std::string& text, std::size_t position, std::size_t length) {
    while (position < length && text[position] != '\r' && text[position] != '\n') ++position;
    while (position < length && (text[position] == '\r' || text[position] == '\n')) ++position;
    return position;
}

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
    std::size_t position = 0;
    while (position + 4 < length) {
        CourseNode course;
        std::string name;
        ScanReader(text, position).Token(name, kMaxCourseText);
        position = SkipTokens(text, position, 1, length);
        position = ReadTitle(text, position, length, course.title);

        ScanReader fields(text, position);
        fields.Int(course.id);
        fields.Double(course.lat);
        fields.Double(course.lon);
        position = SkipTokens(text, position, 3, length);
        for (PointOffset& point : course.points) {
            ScanReader pair(text, position);
            pair.Int(point.dLat);
            pair.Int(point.dLon);
            position = SkipTokens(text, position, 2, length);
        }
        const std::size_t versionStart = position;
        ScanReader(text, position).Double(course.version);
        position = SkipTokens(text, position, 1, length);
        ComputeBounds(course);

        if (!IsValidVersion(course.version)) {
            ui.Ask(Format("ClubList: Z= %d", zone), Format("CC: %s", name.c_str()), Buttons::Ok);
            // Only this line is dropped: the token skip above may already
            // have stepped into the next one.
            position = SkipLine(text, versionStart, length);
            continue;
        }
        course.zone = zone;
        ApplyName(course, name, side);
        courses.push_back(std::move(course));
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
