#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::ProcessResult;
using testing::RunProcess;
using testing::TempFolder;

class DeviceCommands : public ::testing::Test {
protected:
    void SetUp() override {
        const ProcessResult generated =
            RunProcess({ORVANE_DEMO_DATA, "--out", demo_.path().string(), "--seed", "7",
                        "--courses", "0", "--no-maps"});
        ASSERT_EQ(generated.exitCode, 0) << generated.err;
    }

    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), ORVANE_CLI);
        // No real volume may leak into a test: discovery sees an empty mount table.
        const auto mountInfo = demo_.Write("mountinfo", "");
        return RunProcess(args, {"ORVANE_MOUNTINFO=" + mountInfo.string(), "LANG=C"});
    }

    std::string Device(std::string_view family) const {
        return (demo_.path() / "devices" / family).string();
    }

    TempFolder demo_;
};

TEST_F(DeviceCommands, DeviceInfoPrintsEveryDemoFamilyAsJson) {
    const std::pair<const char*, int> families[] = {
        {"model1-kr", 1}, {"model2-kr", 2}, {"model3-kr", 3}, {"model4-kr", 4}, {"model5-jp", 5},
        {"model6-kr", 6}, {"model7-kr", 7}, {"model8-kr", 8}, {"model9-us", 9}};
    for (const auto& [family, model] : families) {
        const ProcessResult run = Cli({"device-info", "--device", Device(family), "--json"});
        ASSERT_EQ(run.exitCode, 0) << family << run.err;
        const json values = json::parse(run.out);
        EXPECT_EQ(values["ModelCode"], model) << family;
        EXPECT_EQ(values["result"], 0);
        EXPECT_EQ(values["DeviceRoot"], Device(family));
        EXPECT_GT(values["FreeBytes"].get<std::uint64_t>(), 0u);
        const std::string line = "Device Version(SW/HW): " +
                                 values["SoftwareVersion"].get<std::string>() + " / " +
                                 values["HardwareVersion"].get<std::string>();
        EXPECT_EQ(values["DeviceVersionLine"], line);
    }
    const json us = json::parse(Cli({"device-info", "--device", Device("model9-us"), "--json"}).out);
    EXPECT_EQ(us["MarketCode"], "Us");
    EXPECT_EQ(us["CourseFolder"], "Course_V40");
    const auto keys = nlohmann::ordered_json::parse(Cli({"--json", "device-info", "--device", Device("model3-kr")}).out);
    EXPECT_EQ(keys["CourseFolder"], "Course29");
    std::vector<std::string> names;
    for (const auto& [key, value] : keys.items()) names.push_back(key);
    EXPECT_EQ(names, (std::vector<std::string>{"DeviceRoot", "SoftwareVersion", "HardwareVersion",
                                               "MarketCode", "ModelCode", "CourseFolder", "FreeBytes",
                                               "DeviceVersionLine", "result"}));
}

TEST_F(DeviceCommands, AFolderThatIsNoDeviceFailsInTheChosenLanguage) {
    const ProcessResult english = Cli({"device-info", "--device", demo_.path().string()});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_EQ(english.err, "Failed to get the version information of the device.\n");
    EXPECT_NE(english.out.find("result: 1"), std::string::npos);

    demo_.Write("other/System/Ver.ini", "V8.0.0Kr V4.3.0Kr");
    const ProcessResult korean =
        Cli({"--lang", "ko", "device-info", "--json", "--device", (demo_.path() / "other").string()});
    EXPECT_EQ(korean.exitCode, 1);
    EXPECT_EQ(korean.err, "단말기의 버전을 가져오지 못했습니다.\n");
    EXPECT_EQ(json::parse(korean.out)["result"], 2);

    const ProcessResult notFound = Cli({"device-info"});
    EXPECT_EQ(notFound.exitCode, 1);
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
