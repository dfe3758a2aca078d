#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "records/RoundRecord.h"
#include "shell/Language.h"

namespace orvane {

// The record folder listing is cut at this size.
inline constexpr std::size_t kRecordListingLimit = 102400;
// The device record list ends after this many entries: far more rounds than
// a device can hold, and an index that names more costs no more memory.
inline constexpr std::size_t kMaxDeviceRecords = 100000;

// "yyyy.mm.dd_hh" from a text that starts "yyyymmdd_hh"; a short source gives
// a short date.
std::string RecordDateText(std::string_view source);

// The device's record list from the words of its index, UserData/DataList.dat.
// Each word is "<club>_<yyyymmdd_hh>..."; a word without "_" or with an empty
// club ends the list, and so do fewer than five bytes left after a word. A
// word or club that could not be a plain file name is passed over. The list
// ends after kMaxDeviceRecords entries.
std::vector<RecordEntry> buildDeviceRecordList(const CatalogueData& data, std::string_view index);

// The record folder's list from the names of its files (blank separated).
// Saved files are named "<yyyymmdd_hh>_<club>.dat", copies of device files
// "<club>_<yyyymmdd_hh>..."; a name without two "_" is passed over, and so is
// a file that readRecordFile rejects.
std::vector<RecordEntry> buildSavedRecordList(const CatalogueData& data,
                                              const std::filesystem::path& folder,
                                              std::string_view listing);

// The names of the folder's "*.dat" files (any case), sorted, each followed
// by "\n", cut before the name that would pass kRecordListingLimit. Names
// holding blanks cannot be told apart in the listing and are left out.
std::string ListRecordFolder(const std::filesystem::path& folder);

// The club name the record lists show: in English, a course of the 5010 area
// block goes by the record's own name, everything else by its display name.
const std::string& ShownClubName(const RecordEntry& entry, Language language);

// "<yyyymmdd_hh>_<club>.dat", the name a record is saved under.
std::string SavedRecordFileName(const RecordEntry& entry);

// A record list's rows as the dialogs show them: the cell texts and the
// entry each row came from.
struct RecordRow {
    std::vector<std::string> cells;
    std::size_t entry = 0;
};

// Which column the rows are sorted by and, per column, 1 for descending.
struct RecordSort {
    int column = 0;
    std::vector<int> descending;

    // A click on a column: the current column flips, another becomes current
    // with the direction it had last.
    void Click(int clicked);
};

// The save dialog: date, club; newest first.
RecordSort SaveDialogSort();
// The viewer: date, club, out, in, total; newest first.
RecordSort ViewerSort();

// Rows up to the first entry without a name.
std::vector<RecordRow> SaveDialogRows(const std::vector<RecordEntry>& entries, Language language);
std::vector<RecordRow> ViewerRows(const std::vector<RecordEntry>& entries, Language language);

// Byte-wise text order of the sort column; numbers sort as text.
void SortRecordRows(std::vector<RecordRow>& rows, const RecordSort& sort);

// The rows as each dialog shows them when it first opens: newest first.
std::vector<RecordRow> SortedSaveDialogRows(const std::vector<RecordEntry>& entries,
                                            Language language);
std::vector<RecordRow> SortedViewerRows(const std::vector<RecordEntry>& entries, Language language);

// The index of the entry a dialog row stands for: the first whose date and
// shown club name are the row's texts, as the dialogs find it again. Two
// entries of one club and hour therefore both lead to the first.
std::optional<std::size_t> FindRowEntry(const std::vector<RecordEntry>& entries,
                                        const RecordRow& row, Language language);

}  // namespace orvane
