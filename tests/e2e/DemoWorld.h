#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/NginxServer.h"
#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane::testing {

// How one orvane-cli run goes beyond its arguments.
struct CliRun {
    // Another server than the world's.
    std::string server;
    // A run still going by then is killed.
    std::optional<std::chrono::microseconds> killAfter;
};

// A seeded demo world (demo devices and the update server's tree) written by
// the demo generator and served by a real nginx on 127.0.0.1, for a suite of
// tests that run orvane-cli or the window against it.
class DemoWorld {
public:
    // `generatorOptions` are added to the generator's --out and --seed.
    DemoWorld(int seed, std::vector<std::string> generatorOptions);

    std::filesystem::path Device(std::string_view family) const {
        return folder_.path() / "devices" / family;
    }
    // A fresh copy of the demo device `family` at `to`, for a test to change.
    std::filesystem::path CopyDevice(std::string_view family,
                                     const std::filesystem::path& to) const;
    std::filesystem::path ServerTree() const { return folder_.path() / "server"; }
    const NginxServer& server() const { return *server_; }

    // orvane-cli with `args`, this world's server, the working folder `work`
    // and the device folder `device`, in the C locale.
    ProcessResult Cli(std::vector<std::string> args, const std::filesystem::path& device,
                      const std::filesystem::path& work, const CliRun& run = {}) const;

private:
    TempFolder folder_;
    std::unique_ptr<NginxServer> server_;
};

}  // namespace orvane::testing
