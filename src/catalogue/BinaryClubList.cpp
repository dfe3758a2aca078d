#include "catalogue/BinaryClubList.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>

#include "catalogue/ZoneTable.h"
#include "device/DevicePaths.h"
#include "util/Scan.h"

namespace orvane {
namespace {

// A record is an 8-byte key, a blank, 22 bytes of fields and CR LF.
constexpr std::size_t kRecordLength = 33;
// The image a record is recognised by: the record and three zero bytes, as
// long as a reference record's raw bytes.
constexpr std::size_t kImageLength = std::tuple_size_v<decltype(ReferenceRecord::raw)>;
static_assert(kImageLength == kRecordLength + 3);

constexpr double kLowestVersion = 0.3;
constexpr double kHighestVersion = 5.0;
constexpr std::int32_t kHighestId = 99990001;

// Bounds in the order of the record: minLat, maxLon, maxLat, minLon.
using Bounds = std::array<std::int32_t, 4>;

struct StoredFields {
    std::int32_t id = 0;
    Bounds bounds{};
    double version = 0;
};

// Converts as a C cast would, but defined for every input.
std::int32_t TruncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsCrLfAt(const std::string& text, std::size_t index) {
    return index < text.size() && text.size() - index >= 2 && text[index] == '\r' &&
           text[index + 1] == '\n';
}

std::uint8_t ByteAt(const std::string& text, std::size_t index) {
    return index < text.size() ? static_cast<std::uint8_t>(text[index]) : std::uint8_t{0};
}

std::uint32_t ReadLittleEndian(const std::string& text, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | ByteAt(text, at + i);
    return value;
}

void AppendLittleEndian(std::string& out, std::uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) {
        out.push_back(static_cast<char>(value & 0xFFu));
        value >>= 8;
    }
}

Bounds ScaledBounds(const CourseNode& course) {
    return {TruncateToInt32(course.minLat * 10000), TruncateToInt32(course.maxLon * 10000),
            TruncateToInt32(course.maxLat * 10000), TruncateToInt32(course.minLon * 10000)};
}

int AgreeingBounds(const Bounds& a, const Bounds& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) count += a[i] == b[i] ? 1 : 0;
    return count;
}

std::string_view WithoutTrailingUnderscores(std::string_view key) {
    while (key.ends_with('_')) key.remove_suffix(1);
    return key;
}

std::string_view FirstEight(std::string_view text) {
    return text.substr(0, std::min(text.size(), kShortKeyLength));
}

// Adds the course positions `index` holds under `key`.
template <typename Index, typename Key>
void AddCandidates(std::vector<std::size_t>& out, const Index& index, const Key& key) {
    const auto found = index.find(key);
    if (found != index.end()) out.insert(out.end(), found->second.begin(), found->second.end());
}

// Candidates gathered from several indexes, in file order and each once.
void InFileOrder(std::vector<std::size_t>& candidates) {
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
}

// Recognises device records against one zone's catalogue. Every rule takes the
// first candidate in file order, so each index keeps the first entry per key,
// or all entries in file order.
class CourseMatcher {
public:
    CourseMatcher(const std::vector<CourseNode>& catalogue, const std::vector<CourseNode>& aliases,
                  const std::vector<ReferenceRecord>& references)
        : catalogue_(catalogue), aliases_(aliases), references_(references) {
        bounds_.reserve(catalogue.size());
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            const std::string& name = catalogue[i].name;
            bounds_.push_back(ScaledBounds(catalogue[i]));
            courseByName_.try_emplace(name, i);
            for (std::size_t b = 0; b < byBound_.size(); ++b) byBound_[b][bounds_[i][b]].push_back(i);
            if (name.size() >= kHeadLength) byHead_[HeadOf(name)].push_back(i);
            if (name.size() >= kHeadLength + kMiddleLength) byMiddle_[MiddleOf(name)].push_back(i);
        }
        for (std::size_t i = 0; i < aliases.size(); ++i) {
            aliasByKey_.try_emplace(FirstEight(aliases[i].fileKey), i);
            aliasByName_.try_emplace(aliases[i].name, i);
        }
    }

    // The whole chain, from the cheapest and surest rule to the most desperate.
    // A repaired key or a borrowed reference key only serves the look-up: when
    // it finds nothing, the record keeps the key the device gave it, so that
    // its map is still found under that key.
    const CourseNode* Match(const std::string& key, const StoredFields& stored,
                            const std::string& image) const {
        if (const CourseNode* course = ByKey(key)) return course;
        const std::vector<std::size_t> sharingBounds = SharingBounds(stored.bounds);
        if (const CourseNode* course = ByBounds(sharingBounds, stored.bounds)) return course;
        if (const CourseNode* course = ByAlias(RepairedKey(key))) return course;
        if (const CourseNode* course = ByBoundPair(sharingBounds, stored.bounds, stored.id))
            return course;
        if (const CourseNode* course = ByNearName(key)) return course;
        return ByReference(image);
    }

    const CourseNode* AliasNamed(std::string_view name) const {
        const auto found = aliasByName_.find(name);
        return found == aliasByName_.end() ? nullptr : &aliases_[found->second];
    }

private:
    // Keys of seven or eight characters that differ from a name in at most one
    // position agree with it either in the first four or in the three after.
    static constexpr std::size_t kHeadLength = 4;
    static constexpr std::size_t kMiddleLength = 3;
    static std::string_view HeadOf(std::string_view text) { return text.substr(0, kHeadLength); }
    static std::string_view MiddleOf(std::string_view text) {
        return text.substr(kHeadLength, kMiddleLength);
    }

    const CourseNode* ByName(std::string_view name) const {
        const auto found = courseByName_.find(name);
        return found == courseByName_.end() ? nullptr : &catalogue_[found->second];
    }

    // The alias agreeing with `key` in its first eight characters, and the
    // course it names.
    const CourseNode* ByAlias(std::string_view key) const {
        const auto found = aliasByKey_.find(FirstEight(key));
        return found == aliasByKey_.end() ? nullptr : ByName(aliases_[found->second].name);
    }

    const CourseNode* ByKey(std::string_view key) const {
        return key.starts_with('_') ? ByAlias(key) : ByName(WithoutTrailingUnderscores(key));
    }

    // Any two bounds include minLat, maxLon or maxLat, so the courses sharing
    // one of those with the record are the only ones the bound rules can pick.
    std::vector<std::size_t> SharingBounds(const Bounds& stored) const {
        std::vector<std::size_t> candidates;
        for (std::size_t b = 0; b < byBound_.size(); ++b)
            AddCandidates(candidates, byBound_[b], stored[b]);
        InFileOrder(candidates);
        return candidates;
    }

    // All four bounds if any course has them, else three of the four.
    const CourseNode* ByBounds(const std::vector<std::size_t>& candidates,
                               const Bounds& stored) const {
        const CourseNode* threeOfFour = nullptr;
        for (const std::size_t i : candidates) {
            const int agreeing = AgreeingBounds(stored, bounds_[i]);
            if (agreeing == 4) return &catalogue_[i];
            if (agreeing == 3 && threeOfFour == nullptr) threeOfFour = &catalogue_[i];
        }
        return threeOfFour;
    }

    // Undoes the damage device keys are known to suffer: an alias whose digits
    // were overwritten, or an alias that lost its leading "_".
    static std::string RepairedKey(std::string key) {
        if (key.starts_with('_')) {
            // Characters missing from a short alias are no digits either.
            if (key.size() < kShortKeyLength) key.resize(kShortKeyLength, '0');
            for (std::size_t i = 1; i < kShortKeyLength; ++i)
                if (!IsDigit(key[i])) key[i] = '0';
        } else if (key.size() >= kShortKeyLength && IsDigit(key[6]) && IsDigit(key[7])) {
            if (IsDigit(key[0])) key[0] = '_';
            if (static_cast<unsigned char>(key[3]) > '3') key[3] = '0';
        }
        return key;
    }

    // The first course sharing a pair of bounds with the record; among the few
    // courses right behind it that share the same pair, the id decides.
    const CourseNode* ByBoundPair(const std::vector<std::size_t>& candidates, const Bounds& stored,
                                  std::int32_t id) const {
        static constexpr std::array<std::array<std::size_t, 2>, 6> kPairs{
            {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};
        constexpr std::size_t kMostSiblings = 8;
        for (auto s = candidates.begin(); s != candidates.end(); ++s) {
            // Not a structured binding: clang 14, which fuzzes this, cannot
            // capture one.
            for (const auto& pair : kPairs) {
                const auto sharesPair = [&](std::size_t i) {
                    return bounds_[i][pair[0]] == stored[pair[0]] &&
                           bounds_[i][pair[1]] == stored[pair[1]];
                };
                if (!sharesPair(*s)) continue;
                std::size_t siblings = 0;
                for (auto i = s + 1; i != candidates.end() && siblings < kMostSiblings; ++i) {
                    if (!sharesPair(*i)) continue;
                    ++siblings;
                    if (catalogue_[*i].id == id) return &catalogue_[*i];
                }
                return &catalogue_[*s];
            }
        }
        return nullptr;
    }

    // A long key cut or garbled in one character still names its course.
    const CourseNode* ByNearName(std::string_view key) const {
        if (key.size() < kHeadLength + kMiddleLength) return nullptr;
        std::vector<std::size_t> candidates;
        AddCandidates(candidates, byHead_, HeadOf(key));
        AddCandidates(candidates, byMiddle_, MiddleOf(key));
        InFileOrder(candidates);
        const CourseNode* nearly = nullptr;
        for (const std::size_t candidate : candidates) {
            const std::string& name = catalogue_[candidate].name;
            std::size_t differing = 0;
            for (std::size_t i = 0; i < key.size() && differing < 2; ++i)
                differing += i >= name.size() || name[i] != key[i] ? 1u : 0u;
            if (differing == 0) return &catalogue_[candidate];
            if (differing == 1 && nearly == nullptr) nearly = &catalogue_[candidate];
        }
        return nearly;
    }

    // The server line the record most resembles lends it its key.
    const CourseNode* ByReference(const std::string& image) const {
        const ReferenceRecord* closest = nullptr;
        std::size_t closestAgreeing = 0;
        for (const ReferenceRecord& reference : references_) {
            const std::size_t count =
                std::min(static_cast<std::size_t>(std::max(reference.byteCount, 0)), kImageLength);
            std::size_t agreeing = 0;
            for (std::size_t i = 0; i < count; ++i)
                agreeing += reference.raw[i] == static_cast<std::uint8_t>(image[i]) ? 1u : 0u;
            if (agreeing > closestAgreeing) {
                closest = &reference;
                closestAgreeing = agreeing;
            }
        }
        return closest == nullptr ? nullptr : ByKey(closest->name);
    }

    using Positions = std::vector<std::size_t>;
    const std::vector<CourseNode>& catalogue_;
    const std::vector<CourseNode>& aliases_;
    const std::vector<ReferenceRecord>& references_;
    std::vector<Bounds> bounds_;
    std::unordered_map<std::string_view, std::size_t> courseByName_;
    std::unordered_map<std::string_view, std::size_t> aliasByKey_;
    std::unordered_map<std::string_view, std::size_t> aliasByName_;
    // minLat, maxLon and maxLat.
    std::array<std::unordered_map<std::int32_t, Positions>, 3> byBound_;
    std::unordered_map<std::string_view, Positions> byHead_;
    std::unordered_map<std::string_view, Positions> byMiddle_;
};

bool IsPlausible(const StoredFields& stored) {
    return stored.id >= 1 && stored.id <= kHighestId && stored.version >= kLowestVersion &&
           stored.version <= kHighestVersion;
}

// The record that stands in for an unreadable one: the one before it again.
CourseNode CopyOfPrevious(const CourseNode& before) {
    CourseNode copy;
    copy.title = before.title;
    copy.zone = before.zone;
    copy.id = before.id;
    copy.minLat = before.minLat;
    copy.maxLon = before.maxLon;
    copy.maxLat = before.maxLat;
    copy.minLon = before.minLon;
    copy.version = before.version;
    copy.shortKey = before.shortKey;
    if (!before.fileKey.empty())
        copy.fileKey = before.fileKey;
    else
        copy.name = before.name;
    return copy;
}

// Reads one token and what ends it: a blank, LF or CR LF, and a blank after.
bool ReadAliasToken(const std::string& text, std::size_t& position, std::string& out) {
    ScanReader reader(text, position);
    if (!reader.Token(out)) return false;
    if (out.size() > kMaxCourseText) out.resize(kMaxCourseText);
    position = reader.position();
    if (IsCrLfAt(text, position))
        position += 2;
    else if (position < text.size() && (text[position] == ' ' || text[position] == '\n'))
        ++position;
    if (position < text.size() && text[position] == ' ') ++position;
    return true;
}

}  // namespace

double ToPackedDms(double degrees) {
    const double whole = std::trunc(degrees);
    const double minutes = (degrees - whole) * 60;
    const double wholeMinutes = std::trunc(minutes);
    const double packed = (minutes - wholeMinutes) * 0.6 + (whole * 100 + wholeMinutes);
    return packed > 0 ? packed + 0.00000001 : packed - 0.00000001;
}

void AppendBinaryRecord(std::string& out, const CourseNode& course) {
    out += FirstGenerationKey(course);
    out += ' ';
    AppendLittleEndian(out, static_cast<std::uint32_t>(FirstGenerationMapNumber(course.id)), 4);
    for (const double bound : {course.minLat, course.maxLon, course.maxLat, course.minLon}) {
        const std::int32_t packed = TruncateToInt32(ToPackedDms(bound) * 10000);
        AppendLittleEndian(out, static_cast<std::uint32_t>(packed), 4);
    }
    const std::int32_t version = TruncateToInt32(course.version * 1000);
    AppendLittleEndian(out, static_cast<std::uint32_t>(version) & 0xFFFFu, 2);
    out += "\r\n";
}

std::vector<CourseNode> ParseAliasList(const std::string& text) {
    std::vector<CourseNode> aliases;
    if (text.size() < 5) return aliases;
    std::size_t position = 0;
    while (position + 4 < text.size()) {
        CourseNode alias;
        // Nothing but blanks (or a zero byte) is left.
        if (!ReadAliasToken(text, position, alias.fileKey)) break;
        // A last alias without its name is kept; it can still be recognised.
        ReadAliasToken(text, position, alias.name);
        aliases.push_back(std::move(alias));
    }
    return aliases;
}

std::vector<ReferenceRecord> ParseReferenceList(const std::string& text) {
    std::vector<ReferenceRecord> references;
    if (text.empty()) return references;
    references.emplace_back();
    if (text.size() <= 4) return references;
    std::size_t position = 0;
    for (;;) {
        ReferenceRecord& record = references.back();
        ScanReader(text, position).Token(record.name, kMaxCourseText);
        std::size_t copied = 0;
        while (copied < record.raw.size() && position < text.size()) {
            record.raw[copied++] = static_cast<std::uint8_t>(text[position++]);
            if (IsCrLfAt(text, position)) {
                position += 2;
                break;
            }
        }
        record.byteCount = static_cast<std::int32_t>(copied);
        if (copied == 0 || position + 4 >= text.size()) break;
        references.emplace_back();
    }
    return references;
}

std::vector<CourseNode> ParseBinaryClubList(const std::string& text, int zone,
                                            const CatalogueData& data) {
    std::vector<CourseNode> list;
    if (zone < 0 || zone >= kZoneCount) return list;
    const auto zoneIndex = static_cast<std::size_t>(zone);
    const CourseMatcher matcher(data.CatalogueList[zoneIndex], data.AliasList[zoneIndex],
                                data.ReferenceList[zoneIndex]);

    std::size_t position = 0;
    while (position + 4 < text.size()) {
        const std::size_t start = position;
        std::string image(kImageLength, '\0');
        for (std::size_t i = 0; i < kRecordLength; ++i)
            image[i] = static_cast<char>(ByteAt(text, start + i));
        std::string key;
        ScanReader(image, 0).Token(key);
        if (key.size() > kShortKeyLength) key.resize(kShortKeyLength);

        // p ends on the blank before the fields. A short alias still takes up
        // eight bytes, so its fields begin at the ninth whatever lies between.
        std::size_t p = start;
        if (key.starts_with('_') && key.size() != kShortKeyLength) {
            p += kShortKeyLength;
        } else {
            p += key.size();
            for (std::size_t length = key.size(); length < kShortKeyLength && ByteAt(text, p) != ' ';
                 ++length)
                ++p;
        }
        StoredFields stored;
        stored.id = static_cast<std::int32_t>(ReadLittleEndian(text, p + 1, 4));
        for (std::size_t i = 0; i < stored.bounds.size(); ++i)
            stored.bounds[i] = static_cast<std::int32_t>(ReadLittleEndian(text, p + 5 + 4 * i, 4));
        stored.version = ReadLittleEndian(text, p + 21, 2) * 0.001 + 0.001;

        CourseNode record;
        record.zone = zone;
        record.id = stored.id;
        record.minLat = stored.bounds[0] * 0.0001;
        record.maxLon = stored.bounds[1] * 0.0001;
        record.maxLat = stored.bounds[2] * 0.0001;
        record.minLon = stored.bounds[3] * 0.0001;
        record.version = stored.version;
        std::string name;

        if (const CourseNode* match = matcher.Match(key, stored, image)) {
            const CourseNode* alias =
                match->name.size() > kShortKeyLength ? matcher.AliasNamed(match->name) : nullptr;
            if (alias != nullptr) {
                key = alias->fileKey;
            } else {
                // The device keeps the map under the 8-character key, not the
                // whole name; a longer key would hide the map from the check.
                key = ShortKeyFor(match->name);
                name = match->name;
            }
            record.id = match->id;
            record.minLat = match->minLat;
            record.maxLon = match->maxLon;
            record.maxLat = match->maxLat;
            record.minLon = match->minLon;
            if (stored.version > match->version || stored.version < 1.0)
                record.version = match->version;
        } else if (!IsPlausible(stored)) {
            // Skip the rest of the damaged line and repeat the record before
            // it, so that the list keeps as many records as the file had lines.
            const std::size_t lineEnd = text.find("\r\n", p + 23);
            position = lineEnd == std::string::npos ? text.size() : lineEnd + 2;
            if (!list.empty()) list.push_back(CopyOfPrevious(list.back()));
            continue;
        }

        position = p + 25;
        if (zone == 4 && IsLeftOutOfZone4(record.id)) continue;

        if (key.starts_with('_')) {
            record.fileKey = key;
        } else {
            record.shortKey = key;
            record.name = name.empty() ? std::string(WithoutTrailingUnderscores(key)) : name;
        }
        list.push_back(std::move(record));
    }
    return list;
}

}  // namespace orvane
