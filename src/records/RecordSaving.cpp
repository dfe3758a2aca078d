#include "records/RecordSaving.h"

#include <cerrno>
#include <cstring>

#include "catalogue/DeviceFiles.h"
#include "records/PackedFile.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane {

const std::filesystem::path* RecordFolder::Ensure(Ui& ui, TextPair prompt) {
    if (!path) path = ui.PickFolder(prompt);
    return path ? &*path : nullptr;
}

bool SaveToPcAllowed(Ui& ui, bool transferBusy, const DeviceLink& device) {
    if (transferBusy) {
        ui.Notify(text::NotFinishedDownloading);
        return false;
    }
    if (!device.HardwareVersion.starts_with("V3.0")) return true;
    ui.Notify(kModelWithoutRecords);
    return false;
}

int SaveRecordEntry(DeviceLink& device, const std::filesystem::path& folder,
                    const RecordEntry& entry, int* error) {
    int ignored = 0;
    int& reason = error != nullptr ? *error : ignored;
    reason = EINVAL;
    const std::string fileName = SavedRecordFileName(entry);
    if (!IsSafeFileName(entry.name) || !IsSafeFileName(fileName)) return 0;
    const DeviceFileRead read = ReadDeviceFile(device, nullptr, entry.path);
    if (read.code != 0) {
        // An empty record has no errno of its own.
        reason = device.LastDeviceError != 0 && read.code != kEmptyFile
                     ? static_cast<int>(device.LastDeviceError)
                     : ENODATA;
        return 0;
    }
    // packToFile stops at the first zero byte, as the device's text does.
    if (packToFile(read.bytes, folder / fileName, &reason) != 0) return 1;
    if (reason == 0) reason = ENODATA;
    return 0;
}

bool SaveTickedRecords(Ui& ui, DeviceLink& device, RecordFolder& folder,
                       const std::vector<RecordEntry>& entries, const std::vector<RecordRow>& rows,
                       const std::vector<std::size_t>& ticked) {
    if (ticked.empty()) {
        ui.Notify(kNoSelectedRecord);
        return false;
    }
    const std::filesystem::path* target = folder.Ensure(ui, kSaveFolderPrompt);
    if (target == nullptr) return false;
    for (const std::size_t row : ticked) {
        if (row >= rows.size()) continue;
        // Found again by the row's texts: two rows of one club and hour save
        // the first such record twice.
        const auto entry = FindRowEntry(entries, rows[row], ui.language());
        if (!entry) continue;
        int error = 0;
        if (SaveRecordEntry(device, *target, entries[*entry], &error) == 0) {
            const std::string name = SavedRecordFileName(entries[*entry]);
            const std::string box = Format(std::string(ui.Text(kRecordNotSaved)).c_str(),
                                           name.c_str(), std::strerror(error));
            ui.Notify(box, box);
            return false;
        }
    }
    ui.Notify(kRecordsSaved);
    return true;
}

}  // namespace orvane
