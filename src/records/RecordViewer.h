#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include <filesystem>
#include <string_view>

#include "catalogue/CatalogueData.h"
#include "records/CourseGeometry.h"
#include "net/HttpClient.h"
#include "records/RecordLists.h"
#include "records/RecordSaving.h"
#include "shell/Ui.h"

namespace orvane {

// The View Record command up to its dialog: refuses while a transfer runs,
// asks for the record folder the first time, and lists the folder's records.
// Nothing, after telling the person why, when the folder holds no record
// file; nothing, silently, when the folder choice is cancelled.
std::optional<std::vector<RecordEntry>> OpenRecordViewer(Ui& ui, bool transferBusy,
                                                         RecordFolder& folder,
                                                         const CatalogueData& data);

// The viewer's View: the first entry with the selected row's club and date.
// Nothing when no row is selected (after saying so) or no entry matches.
// Its course names come with the score card's details (LoadRoundDetails).
const RecordEntry* ViewSelectedRecord(Ui& ui, const std::vector<RecordEntry>& entries,
                                      const std::vector<RecordRow>& rows,
                                      std::optional<std::size_t> selected);

// The entry of the saved file `fileName`, as its bytes are or as DisplayText
// shows them; nullptr when the list holds none.
RecordEntry* FindSavedRound(std::vector<RecordEntry>& entries, std::string_view fileName);

// What the score card shows beyond the record: the entry's course names from
// the club's course file and the club's hole geometry (`loaded` stays 0 when
// the server has none). Both come from the server.
CourseGeometry LoadRoundDetails(HttpClient& http, RecordEntry& entry,
                                const std::filesystem::path& workFolder);

}  // namespace orvane
