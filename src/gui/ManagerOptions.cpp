#include "gui/ManagerOptions.h"

#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>

#include "app/WorkFolder.h"
#include "platform/CurlHttpClient.h"

namespace orvane::gui {

std::optional<ManagerOptions> ParseManagerOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Orvane Manager: course maps and round records of the golf GPS device");
    parser.addHelpOption();
    const QCommandLineOption device("device", "Use this folder as the device.", "DIR");
    const QCommandLineOption server("server", "Update server, http://host[:port].", "URL");
    const QCommandLineOption workdir("workdir", "Working folder for fetched files.", "DIR");
    const QCommandLineOption lang("lang", "Interface language: ko or en.", "ko|en");
    parser.addOptions({device, server, workdir, lang});
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "orvane-manager: %s\n", qPrintable(parser.errorText()));
        return std::nullopt;
    }
    if (parser.isSet("help")) {
        std::fprintf(stdout, "%s", qPrintable(parser.helpText()));
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

}  // namespace orvane::gui
