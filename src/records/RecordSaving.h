#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "device/DeviceLink.h"
#include "records/RecordLists.h"
#include "records/RoundRecord.h"
#include "shell/Ui.h"

namespace orvane {

// Texts of the record dialogs.
inline constexpr TextPair kRecordsSaved{"저장 되었습니다.", "Saved data."};
inline constexpr TextPair kNoSelectedRecord{"선택된 기록데이터가 없습니다.",
                                            "No selected record data."};
inline constexpr TextPair kNoSavedRecords{"저장된 기록 데이터가 없습니다.",
                                          "No Saved record data."};
inline constexpr TextPair kRecordNotSaved{"기록을 저장하지 못했습니다: %s (%s)",
                                          "The record could not be saved: %s (%s)"};
inline constexpr TextPair kModelWithoutRecords{"지원되지 않는 단말기입니다.", "Not support model."};
inline constexpr TextPair kSaveFolderPrompt{"기록 데이터를 저장할 폴더를 선택하세요.",
                                            "Select directory to save record data."};
inline constexpr TextPair kViewFolderPrompt{"기록 데이터가 저장된 폴더를 선택하세요.",
                                            "Select directory saved record data."};

// The one record folder of a run: chosen the first time a record command
// needs it, then shared by saving and viewing.
struct RecordFolder {
    std::optional<std::filesystem::path> path;

    // The folder, asking for it with `prompt` when none is chosen yet;
    // nothing when the person cancels.
    const std::filesystem::path* Ensure(Ui& ui, TextPair prompt);
};

// Whether the save command may open; false, after telling the person, while
// a transfer runs or when the device keeps no records the manager can read
// (hardware V3.0).
bool SaveToPcAllowed(Ui& ui, bool transferBusy, const DeviceLink& device);

// Copies one device record into `folder` as a packed file named
// SavedRecordFileName, replacing a file of that name. Returns 1 when saved;
// 0 when the device file cannot be read, the club name could not be a file
// name, or the file cannot be written, with the errno in `error`.
int SaveRecordEntry(DeviceLink& device, const std::filesystem::path& folder,
                    const RecordEntry& entry, int* error = nullptr);

// The save dialog's Save: each ticked row (indices into `rows`, which are in
// the dialog's order) saves the first entry of `entries` with the row's date
// and club. A failed entry ends the save with the file's name and the
// system's reason; the entries saved before it stay. Returns true when every ticked row was gone
// through and "Saved data." was shown.
bool SaveTickedRecords(Ui& ui, DeviceLink& device, RecordFolder& folder,
                       const std::vector<RecordEntry>& entries, const std::vector<RecordRow>& rows,
                       const std::vector<std::size_t>& ticked);

}  // namespace orvane
