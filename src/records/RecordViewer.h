#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "catalogue/CatalogueData.h"
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

// The viewer's View: the first entry with the selected row's club and date,
// its course names filled from the club's course file, ready for the score
// card. Nothing when no row is selected (after saying so) or no entry
// matches.
RecordEntry* ViewSelectedRecord(Ui& ui, HttpClient& http, std::vector<RecordEntry>& entries,
                                const std::vector<RecordRow>& rows,
                                std::optional<std::size_t> selected);

}  // namespace orvane
