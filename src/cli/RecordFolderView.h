#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "cli/ConnectedRun.h"
#include "cli/TerminalShell.h"
#include "platform/HttpModule.h"
#include "records/CourseGeometry.h"
#include "records/RoundRecord.h"
#include "shell/Ui.h"

namespace orvane::cli {

// The record folder as the viewer lists it, with the session of a connected
// run when --device names a device, so that club names and course numbers
// come from its catalogue; otherwise names come from the file names alone.
class RecordFolderView {
public:
    RecordFolderView(const CliContext& context, const std::filesystem::path& dir);

    Ui& ui() { return run_ ? run_->session().ui : ui_; }
    HttpClient& http() { return run_ ? run_->session().http : *http_; }
    std::vector<RecordEntry>& entries() { return entries_; }

    // The entry of record file `file`, its course names filled and its
    // club's geometry loaded into `geometry`; nullptr, after saying so, when
    // the folder holds no readable round of that name.
    RecordEntry* Open(const CliContext& context, const std::string& file, CourseGeometry& geometry);

private:
    std::optional<ConnectedRun> run_;
    TerminalShell shell_;
    Ui ui_;
    std::unique_ptr<HttpClient> http_;
    std::filesystem::path folder_;
    std::vector<RecordEntry> entries_;
};

}  // namespace orvane::cli
