#include "cli/TransferCommands.h"

#include <algorithm>
#include <ostream>

#include "cli/ConnectedRun.h"
#include "shell/FrontEndTexts.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

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

// Checks the rows named on the command line; a name the shown list does not
// hold is a mistake of the caller, told before anything is touched.
bool CheckNamedRows(const CliContext& context, Browser& browser,
                    const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        const std::optional<std::size_t> row = browser.list.FindByName(name);
        if (!row) {
            context.err << "orvane-cli: "
                        << Format(std::string(PickText(context.language, text::NoCourseNamedFormat))
                                      .c_str(),
                                  name.c_str())
                        << '\n';
            return false;
        }
        browser.SetChecked(*row, true);
    }
    return true;
}

int Ended(const CliContext& context, const Transfer& transfer) {
    if (transfer.outcome() == TransferOutcome::Completed) return 0;
    if (transfer.failureText().empty()) {
        context.Say(text::NothingChanged);
    } else {
        context.err << "orvane-cli: " << DisplayText(transfer.failureText()) << '\n';
    }
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
    session.browser.SelectTabs(request.tabs);
    TransferCommand command = TransferCommand::SelectButton;
    if (request.command) {
        // The option's own check admits only these names.
        command = std::find_if(std::begin(kZoneCommands), std::end(kZoneCommands),
                               [&](const NamedCommand& c) { return c.name == *request.command; })
                      ->command;
    } else if (request.area) {
        command = TransferCommand::AreaButton;
    } else if (!CheckNamedRows(context, session.browser, request.names)) {
        return 1;
    }
    Transfer& transfer = session.transfer;
    if (transfer.Start(command)) transfer.RunToEnd();
    return Ended(context, transfer);
}

int DeleteCommand(const CliContext& context, const std::vector<int>& tabs,
                  const std::vector<std::string>& names) {
    ConnectedRun run(context);
    if (!run.connected()) return 1;
    Session& session = run.session();
    session.browser.SelectTabs(tabs);
    if (!CheckNamedRows(context, session.browser, names)) return 1;
    session.transfer.DeleteSelectedMaps();
    return Ended(context, session.transfer);
}

}  // namespace orvane::cli
