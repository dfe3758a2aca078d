#pragma once

#include <filesystem>

#include "catalogue/CatalogueData.h"
#include "device/DeviceLink.h"
#include "net/HttpClient.h"
#include "shell/Ui.h"

namespace orvane {

// What the catalogue's operations work on: the session's device, lists,
// person, server connection and working folder.
struct CatalogueContext {
    DeviceLink& device;
    CatalogueData& data;
    Ui& ui;
    HttpClient& http;
    std::filesystem::path workFolder;
};

}  // namespace orvane
