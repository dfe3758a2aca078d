// The server's manager version files, read at the start of the server check.
#include "FuzzSupport.h"
#include "server/ServerCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FileServer http;
    const std::string text = fuzz::Text(data, size);
    http.Serve("Download//Downloader//manager_ver.txt", text);
    http.Serve("Download//Downloader//manager_ver_e.txt", text);
    // Without a firmware table the check ends right after the version files,
    // before it would fetch the catalogue.
    for (const Language language : {Language::Korean, Language::English}) {
        fuzz::SilentShell shell;
        Ui ui(shell, language);
        DeviceLink device;
        CatalogueData catalogue;
        ServerState server;
        CatalogueContext context{device, catalogue, ui, http, {}};
        fuzz::Require(!ServerCheck(context, server), "no table, no catalogue");
    }
    return 0;
}
