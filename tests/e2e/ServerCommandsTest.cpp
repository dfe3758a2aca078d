#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "DemoWorld.h"
#include "DeviceState.h"
#include "browser/Transfer.h"
#include "device/DevicePaths.h"
#include "support/Process.h"
#include "support/TempFolder.h"
#include "util/Files.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::DemoWorld;
using testing::ProcessResult;

// The commands that talk to the server: one seeded demo world served by a
// real nginx; each test works on its own copies of the demo devices.
class ServerCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(11, {"--courses", "80"}); }
    static void TearDownTestSuite() { delete world_; }

    void UseDevice(std::string_view family) {
        device_ = world_->CopyDevice(family, copies_.path() / family);
        link_ = testing::ConnectedLink(*world_, device_, work_.path());
    }
    ProcessResult Cli(std::vector<std::string> args) {
        return world_->Cli(std::move(args), device_, work_.path());
    }
    json Zone(int zone) {
        const ProcessResult run = Cli({"zone", std::to_string(zone), "--json"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return json::parse(run.out);
    }

    // The server's copy of a course's map, and where the device keeps it.
    std::pair<fs::path, fs::path> MapPaths(const json& course) const {
        CourseNode node;
        node.id = course["id"];
        node.name = course["name"];
        node.fileKey = course["fileKey"];
        node.shortKey = course["shortKey"];
        const std::string folder = CourseMapFolder(link_, node.id);
        return {world_->ServerTree() / "Download" / folder / (LocalMapStem(node) + ".dat"),
                device_ / folder / (DeviceMapStem(link_, node) + ".dat")};
    }

    static DemoWorld* world_;
    testing::TempFolder work_;
    testing::TempFolder copies_;
    fs::path device_;
    DeviceLink link_;
};

DemoWorld* ServerCommands::world_ = nullptr;

TEST_F(ServerCommands, TextDeviceConnectsAndCountsItsCourses) {
    UseDevice("model9-us");
    const ProcessResult run = Cli({"connect", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err << world_->server().Log();
    const json summary = json::parse(run.out);
    EXPECT_EQ(summary["connected"], true);
    EXPECT_EQ(summary["ModelCode"], 9);
    for (const char* group : {"korea", "overseas", "usa"})
        EXPECT_GT(summary[group]["total"].get<int>(), 0) << group;
    EXPECT_NE(run.err.find("The connection has been completed."), std::string::npos);

    const json korea = Zone(0);
    ASSERT_FALSE(korea["device"].empty());
    // How each course is marked is the loaders' and the classification's to
    // show; here the two commands must agree.
    int added = 0;
    for (const json& course : korea["catalogue"]) added += course["mark"] == "N" ? 1 : 0;
    EXPECT_EQ(added, summary["korea"]["N"]);
}

TEST_F(ServerCommands, AnUnreachableServerIsToldAndNothingConnects) {
    const ProcessResult run = world_->Cli({"connect", "--json"}, world_->Device("model9-us"),
                                          work_.path(), {.server = "http://127.0.0.1:9"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(json::parse(run.out)["connected"], false);
    EXPECT_NE(run.err.find("[Notice] No Internet connection."), std::string::npos);
}

// The text layout and the first-generation one (binary club lists, maps under
// short keys); the China view of the demo lists zone 1 courses not yet stored.
TEST_F(ServerCommands, NamedMapsAreStoredAndDeletedOnEveryLayout) {
    for (std::string_view family : {"model9-us", "model4-kr"}) {
        SCOPED_TRACE(family);
        UseDevice(family);
        const json before = Zone(1);
        std::set<std::string> names;
        for (const json& course : before["catalogue"])
            if (course["mark"] == "N" && names.size() < 2) names.insert(course["name"]);
        ASSERT_EQ(names.size(), 2u);

        const ProcessResult run =
            Cli({"download", "--tabs", "0,3", "--names", *names.begin() + "," + *names.rbegin()});
        ASSERT_EQ(run.exitCode, 0) << run.out << run.err << world_->server().Log();

        // A new connection reads the rewritten club list back: the downloaded
        // courses are stored, every other course keeps its mark.
        const json after = Zone(1);
        ASSERT_EQ(after["catalogue"].size(), before["catalogue"].size());
        std::size_t stored = 0;
        for (std::size_t i = 0; i < before["catalogue"].size(); ++i) {
            const json& course = before["catalogue"][i];
            const bool taken = names.contains(course["name"]);
            EXPECT_EQ(after["catalogue"][i]["mark"], taken ? json("") : course["mark"])
                << course["name"];
            if (!taken) continue;
            ++stored;
            const auto [onServer, onDevice] = MapPaths(course);
            ASSERT_TRUE(fs::exists(onServer)) << onServer;
            EXPECT_EQ(ReadFileBytes(onDevice), ReadFileBytes(onServer)) << onDevice;
        }
        EXPECT_EQ(stored, names.size());

        ASSERT_EQ(Cli({"delete", "--tabs", "0,3", "--names", *names.begin(), "--yes"}).exitCode, 0);
        const json afterDeletion = Zone(1);
        for (const json& course : afterDeletion["catalogue"])
            EXPECT_TRUE(course["name"] != *names.begin() || course["mark"] == "N") << course;
    }
}

TEST_F(ServerCommands, RefusalsExitWithTheirMessage) {
    UseDevice("model9-us");
    ASSERT_EQ(Cli({"download", "--tabs", "0,3", "--area"}).exitCode, 0);
    // Everything new of the area is stored now.
    const ProcessResult again = Cli({"download", "--tabs", "0,3", "--area"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("No new map for the selected area."), std::string::npos) << again.err;
    EXPECT_EQ(Cli({"download", "--command", "korea-new"}).exitCode, 1);
    const ProcessResult unknown = Cli({"download", "--tabs", "0,3", "--names", "NO-SUCH-COURSE"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("no course named NO-SUCH-COURSE"), std::string::npos);
}

}  // namespace
}  // namespace orvane
