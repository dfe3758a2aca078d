#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "DemoWorld.h"
#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::RunProcess;
using testing::TempFolder;

// One seeded demo world served by a real nginx for the whole suite.
class ConnectCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(11, {"--courses", "80"}); }
    static void TearDownTestSuite() { delete world_; }

    ProcessResult Cli(std::vector<std::string> args, std::string_view family) {
        return world_->Cli(std::move(args), world_->Device(family), work_.path());
    }

    // Every catalogue course's mark must follow from the device list that
    // the same run loaded.
    void ExpectMarksFollowTheDevice(const json& zone) {
        std::map<std::string, double> stored;
        for (const json& course : zone["device"])
            stored.try_emplace(course["name"].get<std::string>(), course["version"].get<double>());
        for (const json& course : zone["catalogue"]) {
            const auto found = stored.find(course["name"].get<std::string>());
            const std::string expected = found == stored.end() ? "N"
                                         : course["version"].get<double>() > found->second ? "U"
                                                                                            : "";
            EXPECT_EQ(course["mark"], expected) << course["name"];
        }
    }

    static DemoWorld* world_;
    TempFolder work_;
};

DemoWorld* ConnectCommands::world_ = nullptr;

TEST_F(ConnectCommands, TextDeviceConnectsAndCountsItsCourses) {
    const ProcessResult run = Cli({"connect", "--json"}, "model9-us");
    ASSERT_EQ(run.exitCode, 0) << run.err << world_->server().Log();
    const json summary = json::parse(run.out);
    EXPECT_EQ(summary["connected"], true);
    EXPECT_EQ(summary["ModelCode"], 9);
    for (const char* group : {"korea", "overseas", "usa"})
        EXPECT_GT(summary[group]["total"].get<int>(), 0) << group;
    EXPECT_NE(run.err.find("The connection has been completed."), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(work_.path()));

    const ProcessResult zone = Cli({"zone", "0", "--json"}, "model9-us");
    ASSERT_EQ(zone.exitCode, 0) << zone.err;
    const json korea = json::parse(zone.out);
    ASSERT_FALSE(korea["device"].empty());
    ExpectMarksFollowTheDevice(korea);
    int added = 0;
    for (const json& course : korea["catalogue"]) added += course["mark"] == "N" ? 1 : 0;
    EXPECT_EQ(added, summary["korea"]["N"]);
}

TEST_F(ConnectCommands, FirstGenerationDeviceMatchesItsRecordsAndMaps) {
    const ProcessResult run = Cli({"zone", "0", "--json"}, "model4-kr");
    ASSERT_EQ(run.exitCode, 0) << run.err << world_->server().Log();
    const json korea = json::parse(run.out);
    ASSERT_FALSE(korea["device"].empty());
    for (const json& course : korea["device"]) {
        EXPECT_EQ(course["shortKey"].get<std::string>().size() == 8 ||
                      course["fileKey"].get<std::string>().starts_with("_"),
                  true);
    }
    ExpectMarksFollowTheDevice(korea);
    EXPECT_NE(run.err.find("Checking Map Data on Device. Please Wait."), std::string::npos);
}

TEST_F(ConnectCommands, AnUnreachableServerIsToldAndNothingConnects) {
    auto args = std::vector<std::string>{ORVANE_CLI, "connect", "--json", "--server",
                                         "http://127.0.0.1:9", "--workdir", work_.path().string(),
                                         "--device",
                                         world_->Device("model9-us").string()};
    const ProcessResult run = RunProcess(args, {"no_proxy=127.0.0.1", "LANG=C"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(json::parse(run.out)["connected"], false);
    EXPECT_NE(run.err.find("[Notice] No Internet connection."), std::string::npos);
}

TEST_F(ConnectCommands, CoursesListsTheChosenAreaWithItsCounts) {
    const ProcessResult run = Cli({"courses", "--tabs", "1,1", "--json"}, "model9-us");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json view = json::parse(run.out);
    EXPECT_EQ(view["selection"], 101);
    EXPECT_EQ(view["subAreaVisible"], true);
    EXPECT_EQ(view["tabs"]["region"]["labels"].size(), 51u);
    EXPECT_EQ(view["tabs"]["subArea"]["labels"][0], "All Counties");
    int stored = 0, added = 0, modified = 0;
    for (const json& row : view["rows"]) {
        stored += row["stored"] != " " ? 1 : 0;
        added += row["added"] != "" ? 1 : 0;
        modified += row["modified"] != "" ? 1 : 0;
        EXPECT_EQ(row["checked"], false);
    }
    EXPECT_EQ(view["counts"]["stored"], stored);
    EXPECT_EQ(view["counts"]["added"], added);
    EXPECT_EQ(view["headings"][0], "Stored Courses (" + std::to_string(stored) + ")");
    EXPECT_EQ(view["headings"][2], "Modified Courses (" + std::to_string(modified) + ")");
    EXPECT_TRUE(view["memoryLine"].get<std::string>().starts_with(
        "[Remained Memory Space(Map Count)]: "));
}

TEST_F(ConnectCommands, SearchListsMatchesUnderTheResultsTab) {
    const ProcessResult run = Cli({"search", "GOLF", "--json"}, "model7-kr");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json view = json::parse(run.out);
    EXPECT_EQ(view["selection"], 400);
    ASSERT_FALSE(view["rows"].empty());
    EXPECT_EQ(Cli({"search", "no-such-course-anywhere"}, "model7-kr").exitCode, 1);
}

TEST_F(ConnectCommands, FirmwareUpgradeIsOfferedAndStoredWithYes) {
    TempFolder device;
    std::filesystem::copy(world_->Device("model9-us"), device.path(),
                          std::filesystem::copy_options::recursive);
    auto args = std::vector<std::string>{ORVANE_CLI, "firmware", "--yes", "--server", world_->server().url(),
                                         "--workdir", work_.path().string(), "--device",
                                         device.path().string()};
    const ProcessResult run = RunProcess(args, {"no_proxy=127.0.0.1", "LANG=C"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("Firmware upgrade has been completed."), std::string::npos) << run.out;
    EXPECT_TRUE(std::filesystem::exists(device.path() / "System/Zandrel.bin"));

    // The device now has the offered version: nothing more to upgrade.
    const ProcessResult again = RunProcess(args, {"no_proxy=127.0.0.1", "LANG=C"});
    EXPECT_NE(again.out.find("Firmware is the latest version."), std::string::npos) << again.out;
}

}  // namespace
}  // namespace orvane
