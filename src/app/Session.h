#pragma once

#include <filesystem>
#include <vector>

#include "browser/Browser.h"
#include "browser/Transfer.h"
#include "catalogue/CatalogueContext.h"
#include "catalogue/CatalogueData.h"
#include "device/DeviceLink.h"
#include "net/HttpClient.h"
#include "records/RecordSaving.h"
#include "records/RoundRecord.h"
#include "server/ServerState.h"
#include "shell/Ui.h"

namespace orvane {

// Everything that lives for one run of the program, owned in one place.
// Tests build as many independent sessions as they like.
struct Session {
    Session(Shell& shell, Language language, HttpClient& updateServer,
            std::filesystem::path workFolder)
        : ui(shell, language),
          http(updateServer),
          catalogueContext{device, catalogue, ui, http, std::move(workFolder)},
          browser(catalogue, device, ui),
          transfer(catalogueContext, browser) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Ui ui;
    DeviceLink device;
    CatalogueData catalogue;
    ServerState server;
    HttpClient& http;
    CatalogueContext catalogueContext;
    Browser browser;
    // Its queue count is the busy state every device command tests.
    Transfer transfer;
    // The device's round records as the connection listed them, and the
    // record folder, chosen once per run.
    std::vector<RecordEntry> deviceRecords;
    RecordFolder recordFolder;
};

}  // namespace orvane
