#include "records/RecordViewer.h"

#include "records/CourseGeometry.h"
#include "util/TextDecoding.h"

namespace orvane {

std::optional<std::vector<RecordEntry>> OpenRecordViewer(Ui& ui, bool transferBusy,
                                                         RecordFolder& folder,
                                                         const CatalogueData& data) {
    if (transferBusy) {
        ui.Notify(text::NotFinishedDownloading);
        return std::nullopt;
    }
    const std::filesystem::path* path = folder.Ensure(ui, kViewFolderPrompt);
    if (path == nullptr) return std::nullopt;
    const std::string listing = ListRecordFolder(*path);
    if (listing.empty()) {
        ui.Notify(kNoSavedRecords);
        return std::nullopt;
    }
    return buildSavedRecordList(data, *path, listing);
}

const RecordEntry* ViewSelectedRecord(Ui& ui, const std::vector<RecordEntry>& entries,
                                      const std::vector<RecordRow>& rows,
                                      std::optional<std::size_t> selected) {
    if (!selected || *selected >= rows.size()) {
        ui.Notify(kNoSelectedRecord);
        return nullptr;
    }
    const auto entry = FindRowEntry(entries, rows[*selected], ui.language());
    return entry ? &entries[*entry] : nullptr;
}

RecordEntry* FindSavedRound(std::vector<RecordEntry>& entries, std::string_view fileName) {
    for (RecordEntry& entry : entries) {
        if (entry.fileName == fileName) return &entry;
    }
    // A name printed earlier may come back decoded.
    for (RecordEntry& entry : entries) {
        if (DisplayText(entry.fileName) == fileName) return &entry;
    }
    return nullptr;
}

CourseGeometry LoadRoundDetails(HttpClient& http, RecordEntry& entry,
                                const std::filesystem::path& workFolder) {
    readCourseNames(http, entry);
    CourseGeometry geometry;
    loadCourseGeometry(http, entry, geometry, workFolder);
    return geometry;
}

}  // namespace orvane
