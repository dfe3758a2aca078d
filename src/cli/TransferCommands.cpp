#include "cli/TransferCommands.h"

#include <algorithm>
#include <ostream>

#include "cli/ConnectedRun.h"

namespace orvane::cli {
namespace {

struct NamedCommand {
    std::string_view name;
    TransferCommand command;
};

constexpr NamedCommand kZoneCommands[] = {
    {"korea-new-modified", TransferCommand::KoreaNewAndModified},
    {"korea-new", TransferCommand::KoreaNew},
    {"others-new", TransferCommand::OthersNew},
    {"korea-modified", TransferCommand::KoreaModified},
    {"others-modified", TransferCommand::OthersModified},
};

void SelectTabs(Browser& browser, const std::vector<int>& tabs) {
    if (tabs.size() > 0) browser.SelectContinent(tabs[0]);
    if (tabs.size() > 1) browser.SelectCountry(tabs[1]);
    if (tabs.size() > 2) browser.SelectRegion(tabs[2]);
    if (tabs.size() > 3) browser.SelectSubArea(tabs[3]);
}

// Checks the rows named on the command line; a name the shown list does not
// hold is a mistake of the caller, told before anything is touched.
bool CheckNamedRows(const CliContext& context, CourseList& list,
                    const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const auto& rows = list.rows();
        const auto found = std::find_if(rows.begin(), rows.end(), [&](const CourseRow& row) {
            return row.cells[kNameColumn] == name;
        });
        if (found == rows.end()) {
            context.err << "orvane-cli: no course named " << name << " in the chosen area\n";
            return false;
        }
        list.SetChecked(static_cast<std::size_t>(found - rows.begin()), true);
    }
    return true;
}

int Ended(const CliContext& context, const Transfer& transfer) {
    if (transfer.outcome() == TransferOutcome::Completed) return 0;
    context.err << "orvane-cli: "
                << (transfer.failureText().empty() ? std::string("nothing was changed")
                                                   : transfer.failureText())
                << '\n';
    return 1;
}

}  // namespace

std::vector<std::string> ZoneCommandNames() {
    std::vector<std::string> names;
    for (const NamedCommand& named : kZoneCommands) names.emplace_back(named.name);
    return names;
}

int DownloadCommand(const CliContext& context, const DownloadRequest& request) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    Session& session = run.session();
    SelectTabs(session.browser, request.tabs);
    TransferCommand command = TransferCommand::SelectButton;
    if (request.command) {
        const auto* named =
            std::find_if(std::begin(kZoneCommands), std::end(kZoneCommands),
                         [&](const NamedCommand& c) { return c.name == *request.command; });
        if (named == std::end(kZoneCommands)) {
            context.err << "orvane-cli: unknown command " << *request.command << '\n';
            return 1;
        }
        command = named->command;
    } else if (request.area) {
        command = TransferCommand::AreaButton;
    } else if (!CheckNamedRows(context, session.browser.list, request.names)) {
        return 1;
    }
    Transfer& transfer = session.transfer;
    if (transfer.Start(command)) {
        while (transfer.StepPending()) transfer.TransferStep(transfer.stepParameter());
    }
    return Ended(context, transfer);
}

int DeleteCommand(const CliContext& context, const std::vector<int>& tabs,
                  const std::vector<std::string>& names) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    Session& session = run.session();
    SelectTabs(session.browser, tabs);
    if (!CheckNamedRows(context, session.browser.list, names)) return 1;
    session.transfer.DeleteSelectedMaps();
    return Ended(context, session.transfer);
}

}  // namespace orvane::cli
