#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <set>

#include "DemoWorld.h"
#include "DeviceState.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::DemoWorld;
using testing::Files;
using testing::IsTemporary;
using testing::ProcessResult;
using testing::Snapshot;
using testing::TempFolder;

constexpr int kKills = 100;

// A transfer, a deletion and a firmware write, each killed at a hundred random
// moments: the device must stay one it can use (every map a club list names is
// there and whole, no file half-written), the only debris is temporary files
// of the writer's own pattern, and the next connection removes those.
class KillSoak : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        world_ = new DemoWorld(11, {"--courses", "200"});
        // Small maps keep each transfer short.
        testing::ResizeServerMaps(world_->ServerTree() / "Download", 2048);
    }
    static void TearDownTestSuite() { delete world_; }

    // tmpfs where there is one: the soak is about kills, not disk flushes.
    static fs::path ScratchParent() {
        std::error_code error;
        return fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path();
    }

    // A fresh copy of `from` under the scratch folder.
    fs::path Copy(const fs::path& from, const std::string& name) const {
        const fs::path to = scratch_.path() / name;
        fs::remove_all(to);
        fs::copy(from, to, fs::copy_options::recursive);
        return to;
    }

    // What a kill may leave: each file as it was before or as a whole run
    // leaves it, club lists whole (rewritten part-way through a deletion, so
    // any whole list), every listed map present, and temporary files.
    int CheckDevice(const Files& now, const Files& before, const Files& after) {
        int temporary = 0;
        const auto lists = testing::ListedMaps(now, link_);
        for (const auto& [path, bytes] : now) {
            if (IsTemporary(path)) {
                ++temporary;
                continue;
            }
            if (const auto list = lists.find(path); list != lists.end()) {
                const auto lines =
                    static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
                EXPECT_TRUE(bytes.empty() || bytes.ends_with('\n')) << path;
                EXPECT_EQ(lines, list->second.size()) << path << " is cut";
                continue;
            }
            const auto old = before.find(path);
            const auto whole = after.find(path);
            EXPECT_TRUE((old != before.end() && old->second == bytes) ||
                        (whole != after.end() && whole->second == bytes))
                << path << " is neither the old file nor the new one";
        }
        for (const auto& [path, bytes] : before)
            EXPECT_TRUE(now.contains(path) || !after.contains(path)) << path << " was lost";
        // The demo devices list courses whose maps they lack; no run may add
        // to those.
        std::set<std::string> missingBefore;
        for (const auto& [list, maps] : testing::ListedMaps(before, link_))
            for (const std::string& map : maps)
                if (!before.contains(map)) missingBefore.insert(map);
        for (const auto& [list, maps] : lists)
            for (const std::string& map : maps)
                EXPECT_TRUE(now.contains(map) || missingBefore.contains(map))
                    << list << " names the missing " << map;
        return temporary;
    }

    // Runs `command` once to its end, then kKills times on fresh copies of
    // `start`, each killed at a random moment within the time the whole run
    // took, and checks the device each kill left and what the next connection
    // makes of it.
    void Soak(const fs::path& start, const std::vector<std::string>& command) {
        const fs::path work = scratch_.path() / "work";
        const fs::path whole = Copy(start, "whole");
        const auto began = std::chrono::steady_clock::now();
        const ProcessResult run = world_->Cli(command, whole, work);
        const auto took = std::chrono::duration_cast<std::chrono::microseconds>(
            std::chrono::steady_clock::now() - began);
        ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
        const Files before = Snapshot(start);
        const Files after = Snapshot(whole);
        ASSERT_TRUE(before != after) << "the whole run changed nothing";
        ASSERT_EQ(CheckDevice(before, before, after), 0);

        int killed = 0;
        int withDebris = 0;
        for (int seed = 0; seed < kKills; ++seed) {
            std::mt19937 random(static_cast<unsigned>(seed));
            const std::chrono::microseconds delay(
                std::uniform_int_distribution<std::int64_t>(0, took.count())(random));
            SCOPED_TRACE("seed " + std::to_string(seed) + ", killed after " +
                         std::to_string(delay.count()) + " us");
            const fs::path device = Copy(start, "device");
            fs::remove_all(work);
            const ProcessResult cut = world_->Cli(command, device, work, {.killAfter = delay});
            killed += cut.exitCode == 128 + SIGKILL ? 1 : 0;
            const Files left = Snapshot(device);
            withDebris += CheckDevice(left, before, after) > 0 ? 1 : 0;

            const ProcessResult connected = world_->Cli({"connect"}, device, work);
            ASSERT_EQ(connected.exitCode, 0) << connected.err;
            Files swept = left;
            std::erase_if(swept, [](const auto& file) { return IsTemporary(file.first); });
            EXPECT_EQ(Snapshot(device), swept);
            testing::ExpectNoTemporaryFile(work);
        }
        const auto changed = std::ranges::count_if(after, [&](const auto& file) {
            const auto old = before.find(file.first);
            return old == before.end() || old->second != file.second;
        });
        std::printf(
            "%s: a whole run wrote %td files in %lld us; %d of %d runs killed, %d left "
            "temporary files\n",
            command.front().c_str(), changed, static_cast<long long>(took.count()), killed, kKills,
            withDebris);
        EXPECT_GT(killed, kKills / 2);
    }

    void UseFamily(std::string_view family) {
        pristine_ = world_->CopyDevice(family, scratch_.path() / "pristine");
        link_ = testing::ConnectedLink(*world_, pristine_, scratch_.path() / "work");
    }

    static DemoWorld* world_;
    TempFolder scratch_{ScratchParent()};
    fs::path pristine_;
    DeviceLink link_;
};

DemoWorld* KillSoak::world_ = nullptr;

TEST_F(KillSoak, MapTransfer) {
    UseFamily("model2-kr");
    Soak(pristine_, {"download", "--command", "others-new"});
}

TEST_F(KillSoak, MapDeletion) {
    UseFamily("model2-kr");
    const fs::path stored = Copy(pristine_, "stored");
    const fs::path work = scratch_.path() / "work";
    ASSERT_EQ(world_->Cli({"download", "--command", "others-new"}, stored, work).exitCode, 0);
    const json europe =
        json::parse(world_->Cli({"courses", "--tabs", "2,0", "--json"}, stored, work).out);
    std::string names;
    for (const json& row : europe["rows"])
        if (row["stored"] != "")
            names += (names.empty() ? "" : ",") + row["name"].get<std::string>();
    ASSERT_FALSE(names.empty());
    Soak(stored, {"delete", "--tabs", "2,0", "--names", names, "--yes"});
}

// The demo's one family with other firmware on the server.
TEST_F(KillSoak, FirmwareWrite) {
    UseFamily("model9-us");
    Soak(pristine_, {"firmware", "--yes"});
}

}  // namespace
}  // namespace orvane
