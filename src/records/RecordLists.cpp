#include "records/RecordLists.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

#include "catalogue/ZoneLoaders.h"
#include "records/RecordFile.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane {
namespace {

// Fewer bytes than this after a word end a list.
constexpr std::size_t kListTail = 5;
// The English lists show the own names of this area block's courses.
constexpr std::int32_t kOwnNameAreaBlock = 5010;

bool IsWordSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The words of an index or listing, each with the bytes left after it and
// the one line end or blank that follows it.
class Words {
public:
    explicit Words(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

    std::optional<std::string_view> Next() {
        if (done_) return std::nullopt;
        while (position_ < text_.size() && IsWordSpace(text_[position_])) ++position_;
        if (position_ >= text_.size()) return std::nullopt;
        const std::size_t begin = position_;
        while (position_ < text_.size() && !IsWordSpace(text_[position_])) ++position_;
        const std::string_view word = text_.substr(begin, position_ - begin);
        std::size_t after = position_;
        if (text_.substr(after).starts_with("\r\n")) {
            after += 2;
        } else if (after < text_.size()) {
            ++after;
        }
        done_ = text_.size() - after < kListTail;
        return word;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
    bool done_ = false;
};

std::string_view Part(std::string_view text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string_view();
}

void MatchCourse(RecordEntry& entry, const CourseNode* course) {
    entry.displayName = course ? course->name : entry.name;
    entry.courseNumber = course ? course->id : 0;
}

std::string StrokesText(std::int32_t strokes) { return Format("%d", strokes); }

// The first device course of each name, as FindDeviceCourse finds it, built
// once: an index may name hundreds of thousands of rounds.
std::unordered_map<std::string_view, const CourseNode*> FirstDeviceCourses(
    const CatalogueData& data) {
    std::unordered_map<std::string_view, const CourseNode*> first;
    for (const auto& zone : data.DeviceList) {
        for (const CourseNode& course : zone) first.try_emplace(course.name, &course);
    }
    return first;
}

}  // namespace

std::string RecordDateText(std::string_view source) {
    std::string date(Part(source, 0, 4));
    date += '.';
    date += Part(source, 4, 2);
    date += '.';
    date += Part(source, 6, 5);
    return date;
}

std::vector<RecordEntry> buildDeviceRecordList(const CatalogueData& data, std::string_view index) {
    std::vector<RecordEntry> list;
    // Reserved once: growing by doubling would hold two copies at its peak.
    std::size_t count = 0;
    for (Words counting(index); count < kMaxDeviceRecords && counting.Next();) ++count;
    list.reserve(count);
    const auto courses = FirstDeviceCourses(data);
    Words words(index);
    while (list.size() < kMaxDeviceRecords) {
        const auto word = words.Next();
        if (!word) break;
        const std::size_t underscore = word->find('_');
        if (underscore == std::string_view::npos || underscore == 0) break;
        RecordEntry entry;
        entry.name = std::string(word->substr(0, underscore));
        // The club name becomes part of a saved file's name and the word a
        // device path; neither may point out of its folder.
        if (!IsSafeFileName(*word) || !IsSafeFileName(entry.name)) continue;
        entry.date = RecordDateText(word->substr(underscore + 1));
        entry.path = "UserData/" + std::string(*word);
        const auto course = courses.find(entry.name);
        MatchCourse(entry, course == courses.end() ? nullptr : course->second);
        list.push_back(std::move(entry));
    }
    return list;
}

std::vector<RecordEntry> buildSavedRecordList(const CatalogueData& data,
                                              const std::filesystem::path& folder,
                                              std::string_view listing) {
    std::vector<RecordEntry> list;
    Words words(listing);
    while (const auto word = words.Next()) {
        const std::size_t first = word->find('_');
        if (first == std::string_view::npos) continue;
        const std::size_t second = word->find('_', first + 1);
        if (second == std::string_view::npos) continue;
        RecordEntry entry;
        std::string_view dateSource;
        if (second - first <= 3) {
            const std::size_t start = second + 1;
            entry.name = std::string(word->substr(start, word->find(".dat", start) - start));
            dateSource = *word;
        } else {
            entry.name = std::string(word->substr(0, first));
            dateSource = word->substr(first + 1);
        }
        if (!IsSafeFileName(entry.name)) continue;
        entry.date = RecordDateText(dateSource);
        entry.fileName = std::string(*word);
        MatchCourse(entry, FindCatalogueCourse(data, entry.name));
        if (readRecordFile(folder, *word, entry) == 0) continue;
        list.push_back(std::move(entry));
    }
    return list;
}

std::string ListRecordFolder(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        if (!item.is_regular_file(error)) continue;
        const std::string name = item.path().filename().string();
        if (name.size() < 4 ||
            !StartsWithIgnoringCase(std::string_view(name).substr(name.size() - 4), ".dat"))
            continue;
        if (std::any_of(name.begin(), name.end(), IsWordSpace)) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const std::string& name : names) {
        if (listing.size() + name.size() + 1 > kRecordListingLimit) break;
        listing += name;
        listing += '\n';
    }
    return listing;
}

const std::string& ShownClubName(const RecordEntry& entry, Language language) {
    const bool ownName =
        language == Language::English && entry.courseNumber / 10000 == kOwnNameAreaBlock;
    return ownName ? entry.name : entry.displayName;
}

std::string SavedRecordFileName(const RecordEntry& entry) {
    std::string date = entry.date;
    std::erase(date, '.');
    return date + "_" + entry.name + ".dat";
}

void RecordSort::Click(int clicked) {
    const auto at = static_cast<std::size_t>(clicked);
    if (clicked == column && at < descending.size()) descending[at] ^= 1;
    column = clicked;
}

RecordSort SaveDialogSort() { return {0, {1, 0}}; }
RecordSort ViewerSort() { return {0, {1, 0, 0, 0, 0}}; }

std::vector<RecordRow> SaveDialogRows(const std::vector<RecordEntry>& entries, Language language) {
    std::vector<RecordRow> rows;
    for (std::size_t i = 0; i < entries.size() && !entries[i].name.empty(); ++i)
        rows.push_back({{entries[i].date, ShownClubName(entries[i], language)}, i});
    return rows;
}

std::vector<RecordRow> ViewerRows(const std::vector<RecordEntry>& entries, Language language) {
    std::vector<RecordRow> rows;
    for (std::size_t i = 0; i < entries.size() && !entries[i].name.empty(); ++i) {
        const RecordEntry& entry = entries[i];
        const std::int32_t front = entry.record ? entry.record->FrontStrokes() : 0;
        const std::int32_t back = entry.record ? entry.record->BackStrokes() : 0;
        rows.push_back({{entry.date, ShownClubName(entry, language), StrokesText(front),
                         back == 0 ? std::string() : StrokesText(back), StrokesText(front + back)},
                        i});
    }
    return rows;
}

void SortRecordRows(std::vector<RecordRow>& rows, const RecordSort& sort) {
    const auto column = static_cast<std::size_t>(sort.column);
    const bool descending = column < sort.descending.size() && sort.descending[column] == 1;
    // std::string compares as unsigned bytes, as the list's own compare does.
    std::stable_sort(rows.begin(), rows.end(), [&](const RecordRow& a, const RecordRow& b) {
        const std::string& left = column < a.cells.size() ? a.cells[column] : std::string();
        const std::string& right = column < b.cells.size() ? b.cells[column] : std::string();
        return descending ? right < left : left < right;
    });
}

std::optional<std::size_t> FindRowEntry(const std::vector<RecordEntry>& entries,
                                        const RecordRow& row, Language language) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].date == row.cells[0] && ShownClubName(entries[i], language) == row.cells[1])
            return i;
    }
    return std::nullopt;
}

std::vector<RecordRow> SortedSaveDialogRows(const std::vector<RecordEntry>& entries,
                                            Language language) {
    std::vector<RecordRow> rows = SaveDialogRows(entries, language);
    SortRecordRows(rows, SaveDialogSort());
    return rows;
}

std::vector<RecordRow> SortedViewerRows(const std::vector<RecordEntry>& entries, Language language) {
    std::vector<RecordRow> rows = ViewerRows(entries, language);
    SortRecordRows(rows, ViewerSort());
    return rows;
}

}  // namespace orvane
