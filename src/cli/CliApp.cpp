#include "cli/CliApp.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <map>

#include "app/WorkFolder.h"
#include "cli/AreaCommands.h"
#include "cli/BrowserCommands.h"
#include "cli/ConnectCommands.h"
#include "cli/DeviceCommands.h"
#include "cli/PackCommands.h"
#include "cli/RecordCommands.h"
#include "cli/RecordStatsCommand.h"
#include "cli/RecordViewCommands.h"
#include "cli/TransferCommands.h"
#include "platform/UdevVolumeSource.h"
#include "shell/CommandLineTexts.h"
#include "shell/FrontEndTexts.h"

#ifndef ORVANE_VERSION
#error "ORVANE_VERSION, the project's version, comes from the build configuration"
#endif

namespace orvane::cli {
namespace {

// CLI11 writes the help's headings itself; these are them in `language`.
void LabelHelp(CLI::App& app, Language language) {
    const std::pair<const char*, TextPair> labels[] = {{"Usage", text::help::Usage},
                                                       {"OPTIONS", text::help::OptionsMark},
                                                       {"SUBCOMMAND", text::help::CommandMark},
                                                       {"SUBCOMMANDS", text::help::CommandMark},
                                                       {"Positionals", text::help::Arguments},
                                                       {"REQUIRED", text::help::Required},
                                                       {"Excludes", text::help::Excludes},
                                                       {"Needs", text::help::Needs}};
    for (const auto& [label, text] : labels)
        app.get_formatter()->label(label, std::string(PickText(language, text)));
    app.option_defaults()->group(std::string(PickText(language, text::help::Options)));
    app.set_help_flag("-h,--help", std::string(PickText(language, text::help::Help)));
}

// Every command, at every depth, under one heading. A command's own help
// flag was made before the options' heading was translated, so it is put
// under that heading here.
void GroupCommands(CLI::App& app, const std::string& heading, const std::string& optionsHeading) {
    for (CLI::App* command : app.get_subcommands({})) {
        command->group(heading);
        if (CLI::Option* help = command->get_help_ptr()) help->group(optionsHeading);
        GroupCommands(*command, heading, optionsHeading);
    }
}

}  // namespace

std::unique_ptr<VolumeSource> CliContext::MakeVolumeSource() const {
    return std::make_unique<UdevVolumeSource>(mountInfoPath);
}

std::filesystem::path CliContext::WorkFolder() const {
    return PrepareWorkFolder(workdir, [](const char* name) { return std::getenv(name); });
}

void CliContext::Say(TextPair text) const {
    err << "orvane-cli: " << PickText(language, text) << '\n';
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    namespace help = text::help;
    const Language language =
        LanguageFromArguments(args, [](const char* name) { return std::getenv(name); });
    const auto pick = [language](TextPair text) { return std::string(PickText(language, text)); };
    CLI::App app{pick(help::Description), "orvane-cli"};
    LabelHelp(app, language);
    app.set_version_flag("--version", "orvane-cli " ORVANE_VERSION, pick(help::Version));
    app.require_subcommand(1);
    // Global options may stand before or after the command name.
    app.fallthrough();

    std::optional<std::string> device;
    std::optional<std::string> lang;
    bool json = false;
    bool yes = false, no = false, cancel = false;
    app.add_option("--device", device, pick(help::Device));
    std::optional<std::string> server;
    std::optional<std::string> workdir;
    app.add_option("--server", server, pick(help::Server));
    app.add_option("--workdir", workdir, pick(help::Workdir));
    app.add_option("--lang", lang, pick(help::Lang))->check(CLI::IsMember({"ko", "en"}));
    app.add_flag("--json", json, pick(help::Json));
    auto* yesFlag = app.add_flag("--yes", yes, pick(help::Yes));
    auto* noFlag = app.add_flag("--no", no, pick(help::No));
    auto* cancelFlag = app.add_flag("--cancel", cancel, pick(help::Cancel));
    yesFlag->excludes(noFlag)->excludes(cancelFlag);
    noFlag->excludes(cancelFlag);

    auto* devices = app.add_subcommand("devices", pick(help::Devices));
    auto* deviceInfo = app.add_subcommand("device-info", pick(help::DeviceInfo));
    auto* connect = app.add_subcommand("connect", pick(help::Connect));
    auto* zoneCommand = app.add_subcommand("zone", pick(help::Zone));
    int zone = 0;
    zoneCommand->add_option("zone", zone, pick(help::ZoneNumber))
        ->required()
        ->check(CLI::Range(0, 27));
    auto* firmware = app.add_subcommand("firmware", pick(help::Firmware));
    auto* areas = app.add_subcommand("areas", pick(help::Areas));
    auto* courses = app.add_subcommand("courses", pick(help::Courses));
    std::vector<int> tabs;
    courses->add_option("--tabs", tabs, pick(help::Tabs))->delimiter(',')->expected(1, 4);
    auto* search = app.add_subcommand("search", pick(help::Search));
    std::string searchText;
    search->add_option("text", searchText, pick(help::SearchText))->required();
    auto* pack = app.add_subcommand("pack", pick(help::Pack));
    auto* unpack = app.add_subcommand("unpack", pick(help::Unpack));
    std::string packIn, packOut;
    for (auto* command : {pack, unpack}) {
        command->add_option("in", packIn, pick(help::InFile))->required();
        command->add_option("out", packOut, pick(help::OutFile))->required();
    }
    auto* download = app.add_subcommand("download", pick(help::Download));
    DownloadRequest downloadRequest;
    download->add_option("--tabs", downloadRequest.tabs, pick(help::Tabs))
        ->delimiter(',')
        ->expected(1, 4);
    auto* downloadNames =
        download->add_option("--names", downloadRequest.names, pick(help::DownloadNames))
            ->delimiter(',');
    auto* downloadArea =
        download->add_flag("--area", downloadRequest.area, pick(help::DownloadArea));
    auto* downloadCommand =
        download->add_option("--command", downloadRequest.command, pick(help::DownloadCommand))
            ->check(CLI::IsMember(ZoneCommandNames()));
    downloadNames->excludes(downloadArea)->excludes(downloadCommand);
    downloadArea->excludes(downloadCommand);
    auto* deleteMaps = app.add_subcommand("delete", pick(help::Delete));
    std::vector<int> deleteTabs;
    std::vector<std::string> deleteNames;
    deleteMaps->add_option("--tabs", deleteTabs, pick(help::Tabs))->delimiter(',')->expected(1, 4);
    deleteMaps->add_option("--names", deleteNames, pick(help::DeleteNames))
        ->delimiter(',')
        ->required();

    auto* records = app.add_subcommand("records", pick(help::Records));
    records->require_subcommand(0, 1);
    auto* recordsSave = records->add_subcommand("save", pick(help::RecordsSave));
    std::string recordsTo, recordsDir;
    bool recordsAll = false;
    std::vector<int> recordRows;
    recordsSave->add_option("--to", recordsTo, pick(help::RecordFolder))->required();
    auto* allRows = recordsSave->add_flag("--all", recordsAll, pick(help::AllRows));
    auto* someRows =
        recordsSave->add_option("--rows", recordRows, pick(help::Rows))->delimiter(',');
    allRows->excludes(someRows);
    auto* recordsSaved = records->add_subcommand("saved", pick(help::RecordsSaved));
    recordsSaved->add_option("--dir", recordsDir, pick(help::RecordFolder))->required();
    auto* recordsStats = records->add_subcommand("stats", pick(help::RecordsStats));
    recordsStats->add_option("--dir", recordsDir, pick(help::RecordFolder))->required();
    auto* recordsShow = records->add_subcommand("show", pick(help::RecordsShow));
    auto* recordsExport = records->add_subcommand("export", pick(help::RecordsExport));
    std::string recordFile, unitName;
    ExportTargets exportTargets;
    for (auto* command : {recordsShow, recordsExport}) {
        command->add_option("file", recordFile, pick(help::RecordFile))->required();
        command->add_option("--dir", recordsDir, pick(help::RecordFolder))->required();
        command->add_option("--unit", unitName, pick(help::Unit))
            ->check(CLI::IsMember({"m", "yd"}));
    }
    auto* recordsDraw = records->add_subcommand("draw", pick(help::RecordsDraw));
    std::int32_t drawnHole = 1;
    std::string svgPath;
    recordsDraw->add_option("file", recordFile, pick(help::RecordFile))->required();
    recordsDraw->add_option("--dir", recordsDir, pick(help::RecordFolder))->required();
    recordsDraw->add_option("--hole", drawnHole, pick(help::Hole))->check(CLI::Range(1, 18));
    recordsDraw->add_option("--svg", svgPath, pick(help::SvgFile))->required();
    auto* gpxOption = recordsExport->add_option("--gpx", exportTargets.gpx, pick(help::GpxFile));
    auto* csvOption = recordsExport->add_option("--csv", exportTargets.csv, pick(help::CsvFile));

    GroupCommands(app, pick(help::Commands), pick(help::Options));

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        // --help and --version end well; any mistake in the command line is a
        // usage error, status 2, whichever of its own codes CLI11 gives it.
        return app.exit(error, out, err) == 0 ? 0 : 2;
    }

    CliContext context{.out = out, .err = err};
    if (device) context.device = *device;
    context.language = language;
    context.json = json;
    context.server = server;
    if (workdir) context.workdir = *workdir;
    if (yes) context.answer = GivenAnswer::Yes;
    if (no) context.answer = GivenAnswer::No;
    if (cancel) context.answer = GivenAnswer::Cancel;
    if (const char* mountInfo = std::getenv("ORVANE_MOUNTINFO")) context.mountInfoPath = mountInfo;

    // Every known input ends in a message and exit status 1 inside the
    // commands; this is the last line of defence for what nobody foresaw.
    try {
        if (*devices) return DevicesCommand(context);
        if (*deviceInfo) return DeviceInfoCommand(context);
        if (*areas) return AreasCommand(context);
        if (*connect) return ConnectCommand(context);
        if (*zoneCommand) return ZoneCommand(context, zone);
        if (*firmware) return FirmwareCommand(context);
        if (*courses) return CoursesCommand(context, tabs);
        if (*search) return SearchCommand(context, searchText);
        if (*pack) return PackCommand(context, packIn, packOut);
        if (*unpack) return UnpackCommand(context, packIn, packOut);
        if (*download) {
            if (downloadRequest.names.empty() && !downloadRequest.area &&
                !downloadRequest.command) {
                context.Say(text::DownloadNeedsChoice);
                return 2;
            }
            return DownloadCommand(context, downloadRequest);
        }
        if (*deleteMaps) return DeleteCommand(context, deleteTabs, deleteNames);
        if (*recordsSave) return RecordsSaveCommand(context, recordsTo, recordsAll, recordRows);
        if (*recordsSaved) return RecordsSavedCommand(context, recordsDir);
        if (*recordsStats) return RecordsStatsCommand(context, recordsDir);
        const std::optional<DistanceUnit> unit =
            unitName.empty()
                ? std::nullopt
                : std::optional(unitName == "m" ? DistanceUnit::Metres : DistanceUnit::Yards);
        if (*recordsDraw)
            return RecordsDrawCommand(context, recordsDir, recordFile, drawnHole, svgPath);
        if (*recordsShow) return RecordsShowCommand(context, recordsDir, recordFile, unit);
        if (*recordsExport) {
            if (!*gpxOption && !*csvOption) {
                context.Say(text::ExportNeedsTarget);
                return 2;
            }
            return RecordsExportCommand(context, recordsDir, recordFile, exportTargets, unit);
        }
        if (*records) return RecordsCommand(context);
    } catch (const std::exception& error) {
        err << "orvane-cli: " << error.what() << '\n';
        return 1;
    }
    return 2;
}

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

}  // namespace orvane::cli
