#include "DemoWorld.h"

#include <gtest/gtest.h>

namespace orvane::testing {

namespace fs = std::filesystem;

DemoWorld::DemoWorld(int seed, std::vector<std::string> generatorOptions) {
    std::vector<std::string> args = {ORVANE_DEMO_DATA, "--out", folder_.path().string(), "--seed",
                                     std::to_string(seed)};
    args.insert(args.end(), generatorOptions.begin(), generatorOptions.end());
    const ProcessResult generated = RunProcess(args);
    EXPECT_EQ(generated.exitCode, 0) << generated.err;
    server_ = std::make_unique<NginxServer>(ServerTree());
}

fs::path DemoWorld::CopyDevice(std::string_view family, const fs::path& to) const {
    fs::remove_all(to);
    fs::create_directories(to.parent_path());
    fs::copy(Device(family), to, fs::copy_options::recursive);
    return to;
}

ProcessResult DemoWorld::Cli(std::vector<std::string> args, const fs::path& device,
                             const fs::path& work, const CliRun& run) const {
    args.insert(args.begin(), ORVANE_CLI);
    for (const std::string& global :
         {std::string("--server"), run.server.empty() ? server_->url() : run.server,
          std::string("--workdir"), work.string(), std::string("--device"), device.string()})
        args.push_back(global);
    const std::vector<std::string> environment = {"no_proxy=127.0.0.1", "LANG=C"};
    return run.killAfter ? RunProcessKilledAfter(args, *run.killAfter, environment)
                         : RunProcess(args, environment);
}

}  // namespace orvane::testing
