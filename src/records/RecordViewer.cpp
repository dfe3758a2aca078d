#include "records/RecordViewer.h"

#include "records/CourseGeometry.h"

namespace orvane {

std::optional<std::vector<RecordEntry>> OpenRecordViewer(Ui& ui, bool transferBusy,
                                                         RecordFolder& folder,
                                                         const CatalogueData& data) {
    if (transferBusy) {
        ui.Notify(text::NotFinishedDownloading);
        return std::nullopt;
    }
    const std::filesystem::path* path = folder.Ensure(ui);
    if (path == nullptr) return std::nullopt;
    const std::string listing = ListRecordFolder(*path);
    if (listing.empty()) {
        ui.Notify(kNoSavedRecords);
        return std::nullopt;
    }
    return buildSavedRecordList(data, *path, listing);
}

RecordEntry* ViewSelectedRecord(Ui& ui, HttpClient& http, std::vector<RecordEntry>& entries,
                                const std::vector<RecordRow>& rows,
                                std::optional<std::size_t> selected) {
    if (!selected || *selected >= rows.size()) {
        ui.Notify(kNoSelectedRecord);
        return nullptr;
    }
    const std::string& date = rows[*selected].cells[0];
    const std::string& club = rows[*selected].cells[1];
    for (RecordEntry& entry : entries) {
        if (entry.date != date || ShownClubName(entry, ui.language()) != club) continue;
        readCourseNames(http, entry);
        return &entry;
    }
    return nullptr;
}

}  // namespace orvane
