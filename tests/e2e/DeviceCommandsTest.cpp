#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::ProcessResult;
using testing::RunProcess;

class DeviceCommands : public ::testing::Test {
protected:
    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), ORVANE_CLI);
        // No real volume may leak into a test: discovery sees an empty mount table.
        const auto mountInfo = folder_.Write("mountinfo", "");
        return RunProcess(args, {"ORVANE_MOUNTINFO=" + mountInfo.string(), "LANG=C"});
    }

    testing::TempFolder folder_;
};

// The keys and their order are what scripts read.
TEST_F(DeviceCommands, DeviceInfoPrintsTheDeviceAsJson) {
    const std::string device = (folder_.path() / "device").string();
    folder_.Write("device/System/Ver.ini", "V5.1.0Kr V4.2.0Kr");
    const ProcessResult run = Cli({"device-info", "--device", device, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto values = nlohmann::ordered_json::parse(run.out);
    EXPECT_EQ(values["ModelCode"], 3);
    EXPECT_EQ(values["DeviceRoot"], device);
    EXPECT_GT(values["FreeBytes"].get<std::uint64_t>(), 0u);
    std::vector<std::string> keys;
    for (const auto& [key, value] : values.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"DeviceRoot", "SoftwareVersion", "HardwareVersion",
                                              "MarketCode", "ModelCode", "CourseFolder",
                                              "FreeBytes", "DeviceVersionLine", "result"}));
}

// The English message is the connection's own, checked with it.
TEST_F(DeviceCommands, AFolderThatIsNoDeviceFailsInTheChosenLanguage) {
    const ProcessResult missing = Cli({"device-info", "--device", folder_.path().string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.out.find("result: 1"), std::string::npos);

    const auto other = folder_.Write("other/System/Ver.ini", "V8.0.0Kr V4.3.0Kr");
    const ProcessResult korean = Cli({"--lang", "ko", "device-info", "--json", "--device",
                                      other.parent_path().parent_path().string()});
    EXPECT_EQ(korean.exitCode, 1);
    EXPECT_EQ(korean.err, "단말기의 버전을 가져오지 못했습니다.\n");
    EXPECT_EQ(json::parse(korean.out)["result"], 2);
    EXPECT_EQ(Cli({"device-info"}).exitCode, 1);
}

TEST_F(DeviceCommands, DevicesListsNothingWhenNothingIsMounted) {
    const ProcessResult run = Cli({"devices", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(json::parse(run.out), json::array());
}

TEST_F(DeviceCommands, BadUsageIsRefused) {
    EXPECT_NE(Cli({}).exitCode, 0);
    EXPECT_NE(Cli({"device-info", "--lang", "de"}).exitCode, 0);
    EXPECT_NE(Cli({"no-such-command"}).exitCode, 0);
    EXPECT_NE(Cli({"device-info", "--yes", "--no"}).exitCode, 0);
}

}  // namespace
}  // namespace orvane
