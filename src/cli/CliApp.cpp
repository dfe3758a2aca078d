#include "cli/CliApp.h"

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <map>

#include "platform/UdevVolumeSource.h"
#include "cli/DeviceCommands.h"

namespace orvane::cli {

std::unique_ptr<VolumeSource> CliContext::MakeVolumeSource() const {
    return std::make_unique<UdevVolumeSource>(mountInfoPath);
}

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

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, out, err);
    }

    CliContext context{.out = out, .err = err};
    if (device) context.device = *device;
    context.language = lang ? (*lang == "ko" ? Language::Korean : Language::English)
                            : LanguageFromLocale([](const char* name) { return std::getenv(name); });
    context.json = json;
    if (yes) context.answer = GivenAnswer::Yes;
    if (no) context.answer = GivenAnswer::No;
    if (cancel) context.answer = GivenAnswer::Cancel;
    if (const char* mountInfo = std::getenv("ORVANE_MOUNTINFO")) context.mountInfoPath = mountInfo;

    if (*devices) return DevicesCommand(context);
    if (*deviceInfo) return DeviceInfoCommand(context);
    return 2;
}

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

}  // namespace orvane::cli
