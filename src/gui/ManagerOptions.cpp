#include "gui/ManagerOptions.h"

#include <QCommandLineParser>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/WorkFolder.h"
#include "platform/CurlHttpClient.h"
#include "shell/CommandLineTexts.h"

namespace orvane::gui {

std::optional<ManagerOptions> ParseManagerOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption device("device", "Use this folder as the device.", "DIR");
    const QCommandLineOption server("server", "Update server, http://host[:port].", "URL");
    const QCommandLineOption workdir("workdir", "Working folder for fetched files.", "DIR");
    const QCommandLineOption lang("lang", "Interface language: ko or en.", "ko|en");
    parser.addOptions({device, server, workdir, lang});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "orvane-manager: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    const QString language = parser.value(lang);
    if (parser.isSet(lang) && language != "ko" && language != "en") {
        std::fprintf(stderr, "orvane-manager: --lang takes ko or en\n");
        return std::nullopt;
    }

    const EnvironmentLookup getEnv = [](const char* name) { return std::getenv(name); };
    ManagerOptions options;
    if (parser.isSet(device)) options.device = parser.value(device).toStdString();
    options.server = parser.isSet(server) ? parser.value(server).toStdString() : DefaultServerUrl();
    std::optional<std::filesystem::path> namedWorkFolder;
    if (parser.isSet(workdir)) namedWorkFolder = parser.value(workdir).toStdString();
    try {
        options.workFolder = PrepareWorkFolder(namedWorkFolder, getEnv);
    } catch (const std::filesystem::filesystem_error& error) {
        std::fprintf(stderr, "orvane-manager: %s\n", error.what());
        return std::nullopt;
    }
    options.language = parser.isSet(lang)
                           ? (language == "ko" ? Language::Korean : Language::English)
                           : LanguageFromLocale(getEnv);
    if (const char* mountInfo = getEnv("ORVANE_MOUNTINFO")) options.mountInfoPath = mountInfo;
    return options;
}

std::optional<std::string> ManagerInformation(const std::vector<std::string>& arguments,
                                              std::string_view version,
                                              const EnvironmentLookup& getEnv) {
    const auto given = [&](std::string_view option) {
        return std::ranges::find(arguments, option) != arguments.end();
    };
    if (given("--version")) return "orvane-manager " + std::string(version) + "\n";
    if (!given("--help") && !given("-h")) return std::nullopt;

    namespace help = text::help;
    const Language language = LanguageFromArguments(arguments, getEnv);
    const std::pair<std::string_view, TextPair> options[] = {
        {"--device DIR", help::Device},   {"--server URL", help::Server},
        {"--workdir DIR", help::Workdir}, {"--lang ko|en", help::Lang},
        {"-h, --help", help::Help},       {"--version", help::Version}};
    std::string text = std::string(PickText(language, help::Description)) + "\n\n" +
                       std::string(PickText(language, help::Usage)) +
                       ": orvane-manager [--device DIR] [--server URL] [--workdir DIR] "
                       "[--lang ko|en]\n\n" +
                       std::string(PickText(language, help::Options)) + ":\n";
    for (const auto& [option, description] : options) {
        text += "  " + std::string(option);
        text.append(16 - option.size(), ' ');
        text += std::string(PickText(language, description)) + "\n";
    }
    return text;
}

}  // namespace orvane::gui
