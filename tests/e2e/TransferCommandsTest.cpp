#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "browser/Transfer.h"
#include "catalogue/ClubListText.h"
#include "catalogue/ZoneTable.h"
#include "device/DevicePaths.h"
#include "DemoWorld.h"
#include "support/Process.h"
#include "support/RecordingShell.h"
#include "support/TempFolder.h"
#include "util/Files.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::RunProcess;
using testing::TempFolder;

using NameVersions = std::vector<std::pair<std::string, double>>;

CourseNode FromJson(const json& course) {
    CourseNode node;
    node.zone = course["zone"];
    node.id = course["id"];
    node.name = course["name"];
    node.fileKey = course["fileKey"];
    node.shortKey = course["shortKey"];
    node.version = course["version"];
    return node;
}

// What the device's club list of a zone must name after a transfer: every
// catalogue course that is on the device, the modified ones not downloaded
// with the version the device still has.
NameVersions ExpectedClubList(const json& zone, const std::set<std::string>& downloaded) {
    std::map<std::string, double> onDevice;
    for (const json& course : zone["device"])
        onDevice.try_emplace(course["name"].get<std::string>(), course["version"].get<double>());
    NameVersions expected;
    for (const json& course : zone["catalogue"]) {
        const std::string name = course["name"];
        const bool taken = downloaded.contains(name);
        if (course["mark"] == "N" && !taken) continue;
        const double version =
            course["mark"] == "U" && !taken ? onDevice.at(name) : course["version"].get<double>();
        expected.emplace_back(name, version);
    }
    return expected;
}

// One seeded demo world served by a real nginx; each test works on its own
// copy of a demo device.
class TransferCommands : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(11, {"--courses", "80"}); }
    static void TearDownTestSuite() { delete world_; }

    void UseDevice(std::string_view family) {
        fs::copy(world_->Device(family), device_.path(), fs::copy_options::recursive);
        const json summary = json::parse(Cli({"connect", "--json"}).out);
        link_.DeviceRoot = device_.path();
        link_.ModelCode = summary["ModelCode"];
        link_.CourseFolder = summary["CourseFolder"];
    }

    ProcessResult Cli(std::vector<std::string> args) {
        return world_->Cli(std::move(args), device_.path(), work_.path());
    }
    json Zone(int zone) {
        const ProcessResult run = Cli({"zone", std::to_string(zone), "--json"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return json::parse(run.out);
    }

    // The map on the device holds the server's bytes, and its folder nothing
    // but maps.
    void ExpectMapStored(const json& course) {
        const CourseNode node = FromJson(course);
        const std::string folder = CourseMapFolder(link_, node.id);
        const auto onServer = ReadFileBytes(world_->ServerTree() / "Download" / folder /
                                            (LocalMapStem(node) + ".dat"));
        ASSERT_TRUE(onServer.has_value()) << folder;
        const fs::path onDevice = device_.path() / folder / (DeviceMapStem(link_, node) + ".dat");
        EXPECT_EQ(ReadFileBytes(onDevice), onServer) << onDevice;
        for (const auto& entry : fs::directory_iterator(onDevice.parent_path()))
            EXPECT_EQ(entry.path().extension(), ".dat") << entry.path();
    }

    static DemoWorld* world_;
    TempFolder work_;
    TempFolder device_;
    DeviceLink link_;
};

DemoWorld* TransferCommands::world_ = nullptr;

TEST_F(TransferCommands, TextDeviceStoresTheNamedMapsAndDeletesThemAgain) {
    UseDevice("model9-us");
    // The China view of the demo lists courses of zone 1 not yet on the device.
    const json view = json::parse(Cli({"courses", "--tabs", "0,3", "--json"}).out);
    std::set<std::string> downloaded;
    for (const json& row : view["rows"]) {
        if (row["added"] != "" && downloaded.size() < 2)
            downloaded.insert(row["name"].get<std::string>());
    }
    ASSERT_EQ(downloaded.size(), 2u);
    const json before = Zone(1);
    std::vector<json> chosen;
    for (const json& course : before["catalogue"]) {
        if (downloaded.contains(course["name"])) chosen.push_back(course);
    }
    ASSERT_EQ(chosen.size(), 2u);

    const ProcessResult run = Cli(
        {"download", "--tabs", "0,3", "--names", *downloaded.begin() + "," + *downloaded.rbegin()});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err << world_->server().Log();
    EXPECT_NE(run.out.find("Operation Completed."), std::string::npos);
    EXPECT_NE(run.out.find("0 Completed of 2 ("), std::string::npos) << run.out;
    for (const json& course : chosen) ExpectMapStored(course);
    EXPECT_TRUE(fs::is_empty(work_.path()));

    // The club list, read back the way the device reads it.
    const auto text =
        ReadFileBytes(device_.path() / DevicePathFor(link_, DeviceClubListName(1, 9)));
    ASSERT_TRUE(text.has_value());
    testing::RecordingShell shell;
    Ui ui(shell, Language::English);
    NameVersions written;
    for (const CourseNode& course : ParseTextClubList(*text, 1, ClubListSide::Device, ui))
        written.emplace_back(course.name, course.version);
    EXPECT_EQ(written, ExpectedClubList(before, downloaded));

    // A new connection sees both as stored.
    const json after = Zone(1);
    for (const json& course : after["catalogue"]) {
        if (downloaded.contains(course["name"])) {
            EXPECT_EQ(course["mark"], "") << course["name"];
        }
    }

    // Deleting one of them takes its map and its club-list line away.
    const std::string first = *downloaded.begin();
    const ProcessResult deleted = Cli({"delete", "--tabs", "0,3", "--names", first, "--yes"});
    ASSERT_EQ(deleted.exitCode, 0) << deleted.out << deleted.err;
    const CourseNode node = FromJson(chosen[0]["name"] == first ? chosen[0] : chosen[1]);
    EXPECT_FALSE(
        fs::exists(device_.path() / CourseMapFolder(link_, node.id) / (node.name + ".dat")));
    const json afterDeletion = Zone(1);
    for (const json& course : afterDeletion["catalogue"]) {
        if (course["name"] == first) {
            EXPECT_EQ(course["mark"], "N");
        }
    }
}

TEST_F(TransferCommands, FirstGenerationDeviceStoresEveryNewOverseasMap) {
    UseDevice("model4-kr");
    std::vector<json> before;
    std::set<std::string> added;
    for (int zone = 1; zone < kZoneCount; ++zone) {
        before.push_back(Zone(zone));
        for (const json& course : before.back()["catalogue"])
            if (course["mark"] == "N") added.insert(course["name"].get<std::string>());
    }
    ASSERT_FALSE(added.empty());

    const ProcessResult run = Cli({"download", "--command", "others-new"});
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err << world_->server().Log();
    EXPECT_TRUE(fs::is_empty(work_.path()));

    // The connection parses each binary club list back: it names every course
    // the catalogue has, the modified ones still at the device's version.
    for (int zone = 1; zone < kZoneCount; ++zone) {
        const json& old = before[static_cast<std::size_t>(zone - 1)];
        for (const json& course : old["catalogue"])
            if (course["mark"] == "N") ExpectMapStored(course);
        const json after = Zone(zone);
        const NameVersions expected = ExpectedClubList(old, added);
        ASSERT_EQ(after["device"].size(), expected.size()) << "zone " << zone;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const json& listed = after["device"][i];
            EXPECT_EQ(listed["name"], expected[i].first) << "zone " << zone;
            // The binary list keeps thousandths of a version, and reading
            // one back may add the last one.
            EXPECT_NEAR(listed["version"].get<double>(), expected[i].second, 0.0011)
                << listed["name"];
        }
        for (const json& course : after["catalogue"])
            EXPECT_NE(course["mark"], "N") << course["name"];
    }
}

TEST_F(TransferCommands, RefusalsExitWithTheirMessage) {
    UseDevice("model9-us");
    const ProcessResult first = Cli({"download", "--tabs", "0,3", "--area"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    // Everything new of the area is stored now.
    const ProcessResult again = Cli({"download", "--tabs", "0,3", "--area"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.err.find("No new map for the selected area."), std::string::npos) << again.err;
    const ProcessResult none = Cli({"download", "--command", "korea-new"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("No new map."), std::string::npos) << none.err;
    const ProcessResult unknown = Cli({"download", "--tabs", "0,3", "--names", "NO-SUCH-COURSE"});
    EXPECT_EQ(unknown.exitCode, 1);
}

}  // namespace
}  // namespace orvane
