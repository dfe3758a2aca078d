#include "DemoWorld.h"

#include <gtest/gtest.h>

namespace orvane::testing {

DemoWorld::DemoWorld(int seed, std::vector<std::string> generatorOptions) {
    std::vector<std::string> args = {ORVANE_DEMO_DATA, "--out", folder_.path().string(), "--seed",
                                     std::to_string(seed)};
    args.insert(args.end(), generatorOptions.begin(), generatorOptions.end());
    const ProcessResult generated = RunProcess(args);
    EXPECT_EQ(generated.exitCode, 0) << generated.err;
    server_ = std::make_unique<NginxServer>(ServerTree());
}

ProcessResult DemoWorld::Cli(std::vector<std::string> args, const std::filesystem::path& device,
                             const std::filesystem::path& work, const std::string& server) const {
    args.insert(args.begin(), ORVANE_CLI);
    for (const std::string& global :
         {std::string("--server"), server.empty() ? server_->url() : server,
          std::string("--workdir"), work.string(), std::string("--device"), device.string()})
        args.push_back(global);
    return RunProcess(args, {"no_proxy=127.0.0.1", "LANG=C"});
}

}  // namespace orvane::testing
