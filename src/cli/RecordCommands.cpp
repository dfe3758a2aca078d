#include "cli/RecordCommands.h"

#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/ConnectedRun.h"
#include "cli/JsonOutput.h"
#include "records/RecordLists.h"
#include "records/RecordSaving.h"
#include "shell/FrontEndTexts.h"
#include "util/TextDecoding.h"

namespace orvane::cli {

int RecordsCommand(const CliContext& context) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    const Session& session = run.session();
    const Language language = session.ui.language();
    if (!context.json) {
        // Numbered as the save dialog sorts them, the numbers `records save
        // --rows` takes.
        const std::vector<RecordRow> rows = SortedSaveDialogRows(session.deviceRecords, language);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            context.out << row + 1 << '\t' << DisplayText(rows[row].cells[0]) << '\t'
                        << DisplayText(rows[row].cells[1]) << '\t'
                        << DisplayText(session.deviceRecords[rows[row].entry].path) << '\n';
        }
        return 0;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const RecordEntry& entry : session.deviceRecords) {
        list.push_back(
            {{"date", entry.date}, {"club", ShownClubName(entry, language)}, {"path", entry.path}});
    }
    PrintJson(context.out, std::move(list));
    return 0;
}

int RecordsSaveCommand(const CliContext& context, const std::filesystem::path& to, bool all,
                       const std::vector<int>& rows) {
    if (!all && rows.empty()) {
        context.err << PickText(context.language, text::SaveNeedsRows) << '\n';
        return 2;
    }
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    Session& session = run.session();
    if (!SaveToPcAllowed(session.ui, session.transfer.Busy(), session.device)) return 1;

    const std::vector<RecordRow> shown =
        SortedSaveDialogRows(session.deviceRecords, session.ui.language());
    std::vector<std::size_t> ticked;
    if (all) {
        for (std::size_t row = 0; row < shown.size(); ++row) ticked.push_back(row);
    }
    for (const int row : rows) {
        if (row < 1 || static_cast<std::size_t>(row) > shown.size()) {
            context.err << PickText(context.language, text::NoSuchRecordRow) << row << '\n';
            return 1;
        }
        ticked.push_back(static_cast<std::size_t>(row - 1));
    }
    std::error_code error;
    std::filesystem::create_directories(to, error);
    session.recordFolder.path = to;
    return SaveTickedRecords(session.ui, session.device, session.recordFolder,
                             session.deviceRecords, shown, ticked)
               ? 0
               : 1;
}

}  // namespace orvane::cli
