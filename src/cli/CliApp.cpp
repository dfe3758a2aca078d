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
#include "shell/FrontEndTexts.h"

namespace orvane::cli {

std::unique_ptr<VolumeSource> CliContext::MakeVolumeSource() const {
    return std::make_unique<UdevVolumeSource>(mountInfoPath);
}

std::filesystem::path CliContext::WorkFolder() const {
    return PrepareWorkFolder(workdir, [](const char* name) { return std::getenv(name); });
}

void CliContext::Say(TextPair text) const { err << "orvane-cli: " << PickText(language, text) << '\n'; }

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"Orvane Manager: course maps and round records of the golf GPS device",
                 "orvane-cli"};
    app.require_subcommand(1);
    // Global options may stand before or after the command name.
    app.fallthrough();

    std::optional<std::string> device;
    std::optional<std::string> lang;
    bool json = false;
    bool yes = false, no = false, cancel = false;
    app.add_option("--device", device, "Use this folder as the device instead of looking for it");
    std::optional<std::string> server;
    std::optional<std::string> workdir;
    app.add_option("--server", server, "Update server, http://host[:port]");
    app.add_option("--workdir", workdir, "Working folder for fetched files");
    app.add_option("--lang", lang, "Interface language (default: from the locale)")
        ->check(CLI::IsMember({"ko", "en"}));
    app.add_flag("--json", json, "Print the result as JSON");
    auto* yesFlag = app.add_flag("--yes", yes, "Answer questions with Yes (or OK)");
    auto* noFlag = app.add_flag("--no", no, "Answer questions with No");
    auto* cancelFlag = app.add_flag("--cancel", cancel, "Answer questions with Cancel");
    yesFlag->excludes(noFlag)->excludes(cancelFlag);
    noFlag->excludes(cancelFlag);

    auto* devices = app.add_subcommand("devices", "List the storage volumes discovery looks at");
    auto* deviceInfo = app.add_subcommand("device-info", "Show the device's version values");
    auto* connect =
        app.add_subcommand("connect", "Run the connection sequence and count the courses");
    auto* zoneCommand = app.add_subcommand("zone", "Print a zone's catalogue and device courses");
    int zone = 0;
    zoneCommand->add_option("zone", zone, "Zone number")->required()->check(CLI::Range(0, 27));
    auto* firmware = app.add_subcommand("firmware", "Offer a firmware upgrade of the device");
    auto* areas = app.add_subcommand("areas", "Print the areas the course list is browsed by");
    auto* courses =
        app.add_subcommand("courses", "Connect, choose the area tabs and list the courses");
    std::vector<int> tabs;
    courses->add_option("--tabs", tabs, "Continent, country, region and sub-area tab (T,C,R,S)")
        ->delimiter(',')
        ->expected(1, 4);
    auto* search = app.add_subcommand("search", "Connect and search the catalogue by course name");
    std::string searchText;
    search->add_option("text", searchText, "One word, or two separated by a blank")->required();
    auto* pack = app.add_subcommand("pack", "Write a file as a packed record file");
    auto* unpack = app.add_subcommand("unpack", "Write out what a packed record file holds");
    std::string packIn, packOut;
    for (auto* command : {pack, unpack}) {
        command->add_option("in", packIn, "File to read")->required();
        command->add_option("out", packOut, "File to write")->required();
    }
    auto* download = app.add_subcommand("download", "Connect and store course maps on the device");
    DownloadRequest downloadRequest;
    download
        ->add_option("--tabs", downloadRequest.tabs, "Continent, country, region and sub-area tab")
        ->delimiter(',')
        ->expected(1, 4);
    auto* downloadNames = download
                              ->add_option("--names", downloadRequest.names,
                                           "Store the rows with these names (the select button)")
                              ->delimiter(',');
    auto* downloadArea = download->add_flag("--area", downloadRequest.area,
                                            "Store the area's added and modified rows");
    auto* downloadCommand =
        download->add_option("--command", downloadRequest.command, "Store by zone command")
            ->check(CLI::IsMember(ZoneCommandNames()));
    downloadNames->excludes(downloadArea)->excludes(downloadCommand);
    downloadArea->excludes(downloadCommand);
    auto* deleteMaps =
        app.add_subcommand("delete", "Connect and delete course maps from the device");
    std::vector<int> deleteTabs;
    std::vector<std::string> deleteNames;
    deleteMaps->add_option("--tabs", deleteTabs, "Continent, country, region and sub-area tab")
        ->delimiter(',')
        ->expected(1, 4);
    deleteMaps->add_option("--names", deleteNames, "Delete the maps of the rows with these names")
        ->delimiter(',')
        ->required();

    auto* records = app.add_subcommand("records", "Connect and list the device's round records");
    records->require_subcommand(0, 1);
    auto* recordsSave = records->add_subcommand("save", "Save device round records to a folder");
    std::string recordsTo, recordsDir;
    bool recordsAll = false;
    std::vector<int> recordRows;
    recordsSave->add_option("--to", recordsTo, "Record folder")->required();
    auto* allRows = recordsSave->add_flag("--all", recordsAll, "Every record");
    auto* someRows =
        recordsSave->add_option("--rows", recordRows, "Rows of `records`, from 1")->delimiter(',');
    allRows->excludes(someRows);
    auto* recordsSaved = records->add_subcommand("saved", "List the round records of a folder");
    recordsSaved->add_option("--dir", recordsDir, "Record folder")->required();
    auto* recordsStats = records->add_subcommand("stats", "Round statistics of a record folder");
    recordsStats->add_option("--dir", recordsDir, "Record folder")->required();
    auto* recordsShow = records->add_subcommand("show", "Show a saved round as a score card");
    auto* recordsExport =
        records->add_subcommand("export", "Write a saved round's shots as GPX or CSV");
    std::string recordFile, unitName;
    ExportTargets exportTargets;
    for (auto* command : {recordsShow, recordsExport}) {
        command->add_option("file", recordFile, "Record file, as `records saved` names it")
            ->required();
        command->add_option("--dir", recordsDir, "Record folder")->required();
        command->add_option("--unit", unitName, "Distance unit")->check(CLI::IsMember({"m", "yd"}));
    }
    auto* recordsDraw =
        records->add_subcommand("draw", "Draw a hole of a saved round as the score card does");
    std::int32_t drawnHole = 1;
    std::string svgPath;
    recordsDraw->add_option("file", recordFile, "Record file, as `records saved` names it")
        ->required();
    recordsDraw->add_option("--dir", recordsDir, "Record folder")->required();
    recordsDraw->add_option("--hole", drawnHole, "Hole of the card, 1 to 18")
        ->check(CLI::Range(1, 18));
    recordsDraw->add_option("--svg", svgPath, "SVG file to write")->required();
    auto* gpxOption = recordsExport->add_option("--gpx", exportTargets.gpx, "GPX file to write");
    auto* csvOption = recordsExport->add_option("--csv", exportTargets.csv, "CSV file to write");

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err);
    }

    CliContext context{.out = out, .err = err};
    if (device) context.device = *device;
    context.language = lang
                           ? (*lang == "ko" ? Language::Korean : Language::English)
                           : LanguageFromLocale([](const char* name) { return std::getenv(name); });
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
