#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/NginxServer.h"
#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane::testing {

// A seeded demo world (demo devices and the update server's tree) written by
// the demo generator and served by a real nginx on 127.0.0.1, for a suite of
// tests that run orvane-cli against it.
class DemoWorld {
public:
    // `generatorOptions` are added to the generator's --out and --seed.
    DemoWorld(int seed, std::vector<std::string> generatorOptions);

    std::filesystem::path Device(std::string_view family) const {
        return folder_.path() / "devices" / family;
    }
    std::filesystem::path ServerTree() const { return folder_.path() / "server"; }
    const NginxServer& server() const { return *server_; }

    // orvane-cli with `args`, this world's server (or `server`), the working
    // folder `work` and the device folder `device`.
    ProcessResult Cli(std::vector<std::string> args, const std::filesystem::path& device,
                      const std::filesystem::path& work, const std::string& server = "") const;

private:
    TempFolder folder_;
    std::unique_ptr<NginxServer> server_;
};

}  // namespace orvane::testing
