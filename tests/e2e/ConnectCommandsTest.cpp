#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "DemoWorld.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::TempFolder;

// One seeded demo world served by a real nginx for the whole suite.
class ConnectCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(11, {"--courses", "80"}); }
    static void TearDownTestSuite() { delete world_; }

    ProcessResult Cli(std::vector<std::string> args, std::string_view family) {
        return world_->Cli(std::move(args), world_->Device(family), work_.path());
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

    const ProcessResult zone = Cli({"zone", "0", "--json"}, "model9-us");
    ASSERT_EQ(zone.exitCode, 0) << zone.err;
    const json korea = json::parse(zone.out);
    ASSERT_FALSE(korea["device"].empty());
    // How each course is marked is the loaders' and the classification's to
    // show; here the two commands must agree.
    int added = 0;
    for (const json& course : korea["catalogue"]) added += course["mark"] == "N" ? 1 : 0;
    EXPECT_EQ(added, summary["korea"]["N"]);
}

TEST_F(ConnectCommands, AnUnreachableServerIsToldAndNothingConnects) {
    const ProcessResult run = world_->Cli({"connect", "--json"}, world_->Device("model9-us"),
                                          work_.path(), {.server = "http://127.0.0.1:9"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(json::parse(run.out)["connected"], false);
    EXPECT_NE(run.err.find("[Notice] No Internet connection."), std::string::npos);
}

}  // namespace
}  // namespace orvane
