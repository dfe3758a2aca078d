#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <set>
#include <thread>

#include "DemoWorld.h"
#include "DeviceState.h"
#include "support/ScopedMount.h"
#include "util/Files.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::DemoWorld;
using testing::Files;
using testing::ProcessResult;
using testing::ScopedMount;
using testing::Snapshot;
using testing::TempFolder;

// The demo's family whose others-new command stores maps of several zones.
constexpr std::string_view kFamily = "model2-kr";
const std::vector<std::string> kStoreNew = {"download", "--command", "others-new"};

// The device faults a user meets: a read-only volume, a full one, a folder
// replaced by a file, a device unplugged between two maps (links off the
// device are among the hostile inputs). Each ends with the system's message,
// loses nothing and writes nothing outside the device, the working folder or
// the chosen output folder.
class DeviceFaults : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        world_ = new DemoWorld(11, {"--courses", "80"});
        // Large enough for a few maps to fill a small volume.
        testing::ResizeServerMaps(world_->ServerTree() / "Download", 600 << 10);
    }
    static void TearDownTestSuite() { delete world_; }

    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "mounting needs root";
        device_ = scratch_.path() / "device";
        fs::create_directories(device_);
    }

    // The demo device copied to device_ (a mount point, once mounted).
    void CopyDevice() {
        fs::copy(world_->Device(kFamily), device_, fs::copy_options::recursive);
        link_ = testing::ConnectedLink(*world_, device_, work_.path());
    }
    ProcessResult Cli(std::vector<std::string> args) const {
        return world_->Cli(std::move(args), device_, work_.path());
    }
    // Exit status 1 with one of `messages` shown (a box goes to standard
    // output, the failure line to standard error).
    static void ExpectFailure(const ProcessResult& run,
                              std::initializer_list<std::string_view> messages) {
        EXPECT_EQ(run.exitCode, 1) << run.err;
        const std::string shown = run.out + run.err;
        EXPECT_TRUE(std::ranges::any_of(messages, [&](std::string_view message) {
            return shown.find(message) != std::string::npos;
        })) << run.err;
    }
    // Nothing of `before` is lost but club lists, which may be rewritten;
    // every map added is whole. While the device stayed, every map added is
    // named by a club list and no temporary file is left; a write the device
    // vanished under leaves its temporary file for the next connection.
    void ExpectConsistent(const Files& before, const Files& now, bool deviceStayed) const {
        const auto lists = testing::ListedMaps(now, link_);
        std::set<std::string> listed;
        for (const auto& [list, maps] : lists) listed.insert(maps.begin(), maps.end());
        for (const auto& [path, bytes] : before) {
            if (lists.contains(path)) continue;
            const auto kept = now.find(path);
            EXPECT_TRUE(kept != now.end() && kept->second == bytes) << path << " was lost";
        }
        for (const auto& [path, bytes] : now) {
            if (testing::IsTemporary(path)) {
                EXPECT_FALSE(deviceStayed) << path;
                continue;
            }
            if (before.contains(path) || lists.contains(path)) continue;
            EXPECT_TRUE(listed.contains(path) || !deviceStayed) << path << " is stored, not listed";
            EXPECT_EQ(bytes, ReadFileBytes(world_->ServerTree() / "Download" / path)) << path;
        }
    }

    static DemoWorld* world_;
    TempFolder scratch_;
    TempFolder work_;
    fs::path device_;
    DeviceLink link_;
};

DemoWorld* DeviceFaults::world_ = nullptr;

TEST_F(DeviceFaults, AReadOnlyDeviceAndOutputFolderChangeNothing) {
    CopyDevice();
    const TempFolder records;
    const auto device = ScopedMount::ReadOnlyBind(device_, device_);
    const auto output = ScopedMount::ReadOnlyBind(records.path(), records.path());
    if (!device || !output) GTEST_SKIP() << "mount refused";
    const Files before = Snapshot(device_);

    ExpectFailure(Cli(kStoreNew), {"USB Error = (30)"});
    ExpectFailure(Cli({"records", "save", "--to", records.path().string(), "--all"}),
                  {"(Read-only file system)"});
    EXPECT_EQ(Snapshot(device_), before);
    EXPECT_TRUE(Snapshot(records.path()).empty());
    testing::ExpectNoTemporaryFile(work_.path());
}

TEST_F(DeviceFaults, AFullDeviceListsTheMapsStoredBeforeItFilled) {
    // Room for the device's own files and a few maps besides the margin a
    // new map must leave.
    std::uintmax_t used = 0;
    for (const auto& item : fs::recursive_directory_iterator(world_->Device(kFamily)))
        if (item.is_regular_file()) used += (item.file_size() + 4095) / 4096 * 4096 + 4096;
    // The free-space estimate must let the queue start: 4 MiB held back,
    // 50,000 bytes a map.
    const auto full = ScopedMount::Tmpfs(device_, used + (4u << 20) + 64 * 50000);
    if (!full) GTEST_SKIP() << "mount refused";
    CopyDevice();
    const Files before = Snapshot(device_);

    ExpectFailure(Cli(kStoreNew), {"Not enough free space.", "USB Error = (28)"});
    const Files now = Snapshot(device_);
    EXPECT_GT(now.size(), before.size()) << "no map fitted at all";
    ExpectConsistent(before, now, true);
    testing::ExpectNoTemporaryFile(work_.path());
}

TEST_F(DeviceFaults, AFolderReplacedByAFileIsToldAndKept) {
    CopyDevice();
    fs::remove_all(device_ / link_.CourseFolder);
    std::ofstream(device_ / link_.CourseFolder) << "not a folder";
    const Files before = Snapshot(device_);
    ExpectFailure(Cli(kStoreNew), {"USB Error = (20)"});
    EXPECT_EQ(Snapshot(device_), before);
    testing::ExpectNoTemporaryFile(work_.path());
}

// Unplugged, the device leaves its empty mount point behind; nothing may be
// written there, on the PC's own disk.
TEST_F(DeviceFaults, ADeviceUnpluggedBetweenTwoMapsGetsNothingWrittenOnThePc) {
    const fs::path volume = scratch_.path() / "volume";
    fs::create_directories(volume);
    const auto tmpfs = ScopedMount::Tmpfs(volume, 256u << 20);
    auto plugged = tmpfs ? ScopedMount::Bind(volume, device_) : nullptr;
    if (!plugged) GTEST_SKIP() << "mount refused";
    CopyDevice();
    const Files before = Snapshot(volume);

    // Unplugs the device as soon as its first map is stored.
    std::atomic<bool> unplugged = false;
    std::thread unplug([&] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!unplugged && std::chrono::steady_clock::now() < until) {
            std::error_code error;
            for (auto it = fs::recursive_directory_iterator(device_ / link_.CourseFolder, error);
                 !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
                if (it.depth() == 2 && it->path().extension() == ".dat" &&
                    !testing::IsTemporary(it->path().filename().string())) {
                    plugged->Detach();
                    unplugged = true;
                    break;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const ProcessResult run = Cli(kStoreNew);
    unplugged = true;
    unplug.join();
    // Gone before a map began, or under a write.
    ExpectFailure(run, {"Please connect the device.", "USB Error = (19)", "USB Error = (2)"});
    EXPECT_TRUE(fs::is_empty(device_)) << "something was written on the PC";
    ExpectConsistent(before, Snapshot(volume), false);
    testing::ExpectNoTemporaryFile(work_.path());
}

}  // namespace
}  // namespace orvane
