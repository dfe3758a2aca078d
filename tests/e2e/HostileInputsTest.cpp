#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>
#include <random>

#include "DemoWorld.h"
#include "DeviceState.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::TempFolder;

constexpr std::string_view kFamily = "model2-kr";
// Longer than any command takes; a command still running then hangs.
constexpr std::chrono::seconds kHang(60);

// What a device turned hostile holds in place of its own files.
using Spoil = std::function<void(const fs::path& device, const fs::path& outside)>;

// Every club list and record file replaced by seeded random bytes.
void Garbage(const fs::path& device, const fs::path&) {
    std::mt19937 random(7);
    for (const auto& item : fs::recursive_directory_iterator(device)) {
        const std::string folder = item.path().parent_path().filename().string();
        if (!item.is_regular_file() || (folder != "Course_V40" && folder != "UserData")) continue;
        std::string bytes(std::uniform_int_distribution<std::size_t>(1, 6000)(random), '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        std::ofstream(item.path(), std::ios::binary | std::ios::trunc) << bytes;
    }
}

// Named pipes, which block a reader until a writer comes, and folders where
// the version file, the record index, club lists and a record belong.
void Pipe(const fs::path& file) {
    fs::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0) << file;
}
void Pipes(const fs::path& device, const fs::path&) {
    for (const char* file : {"System/Ver.ini", "UserData/DataList.dat",
                             "Course_V40/ClubListKorea.dat", "Course_V40/ClubListJapan.dat"})
        Pipe(device / file);
}
void PipedRecordsAndFolders(const fs::path& device, const fs::path&) {
    for (const auto& item : fs::directory_iterator(device / "UserData"))
        if (item.path().filename() != "DataList.dat") Pipe(item.path());
    for (const char* file : {"Course_V40/ClubListChina.dat", "Course_V40/ClubListUSA_NY.dat"}) {
        fs::remove(device / file);
        fs::create_directories(device / file);
    }
}

// The course and record folders as links to folders off the device.
void Links(const fs::path& device, const fs::path& outside) {
    for (const char* folder : {"Course_V40", "UserData"}) {
        fs::rename(device / folder, outside / folder);
        fs::create_directory_symlink(outside / folder, device / folder);
    }
}

// A server whose every text and course file is garbage.
void SpoilServer(const fs::path& download) {
    std::mt19937 random(11);
    for (const auto& item : fs::recursive_directory_iterator(download)) {
        const std::string name = item.path().filename().string();
        const bool text = name.starts_with("ClubList") || name.ends_with(".txt") ||
                          name.ends_with("CC.dat") || name.ends_with("DD.dat");
        if (!item.is_regular_file() || !text) continue;
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 3000)(random), '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        fs::remove(item.path());
        std::ofstream(item.path(), std::ios::binary) << bytes;
    }
}

struct HostileCase {
    const char* name;
    Spoil spoil;
    bool spoiledServer;
};

void PrintTo(const HostileCase& hostile, std::ostream* out) { *out << hostile.name; }

// Every command a script may run, as a bar of them runs, against devices and
// servers that hold anything but what they should: each ends with exit status
// 0, 1 or 2 and, when not 0, a message; never a signal, a hang or a sanitizer
// report.
class HostileInputs : public ::testing::TestWithParam<HostileCase> {
protected:
    static void SetUpTestSuite() {
        world_ = new DemoWorld(11, {"--courses", "80"});
        spoiledWorld_ = new DemoWorld(11, {"--courses", "80"});
        SpoilServer(spoiledWorld_->ServerTree() / "Download");
        // Saved rounds for the record viewer's commands.
        records_ = new TempFolder;
        const TempFolder work;
        world_->Cli({"records", "save", "--to", records_->path().string(), "--all"},
                    world_->Device(kFamily), work.path());
    }
    static void TearDownTestSuite() {
        delete records_;
        delete spoiledWorld_;
        delete world_;
    }

    static DemoWorld* world_;
    static DemoWorld* spoiledWorld_;
    static TempFolder* records_;
};

DemoWorld* HostileInputs::world_ = nullptr;
DemoWorld* HostileInputs::spoiledWorld_ = nullptr;
TempFolder* HostileInputs::records_ = nullptr;

TEST_P(HostileInputs, EveryCommandEndsWithAStatusAndAMessage) {
    const HostileCase& hostile = GetParam();
    TempFolder scratch;
    TempFolder outside;
    const fs::path device = world_->CopyDevice(kFamily, scratch.path() / "device");
    if (hostile.spoil) hostile.spoil(device, outside.path());
    const DemoWorld& world = hostile.spoiledServer ? *spoiledWorld_ : *world_;

    ASSERT_FALSE(fs::is_empty(records_->path()));
    const std::string round = fs::directory_iterator(records_->path())->path().filename();
    const std::string folder = records_->path().string();
    const std::string out = (scratch.path() / "out").string();
    const std::vector<std::vector<std::string>> commands = {
        {"device-info"},
        {"connect"},
        {"connect", "--json"},
        {"zone", "1"},
        {"firmware", "--no"},
        {"areas"},
        {"courses", "--tabs", "0,1"},
        {"search", "a"},
        {"download", "--command", "others-new"},
        {"delete", "--tabs", "2,0", "--names", "BANFFGCC", "--yes"},
        {"records"},
        {"records", "save", "--to", out, "--all"},
        {"records", "saved", "--dir", folder},
        {"records", "show", round, "--dir", folder},
        {"records", "draw", round, "--dir", folder, "--svg", out + ".svg"},
        {"records", "export", round, "--dir", folder, "--gpx", out + ".gpx"},
        {"pack", (device / "UserData/DataList.dat").string(), out + ".pack"},
        {"unpack", (device / "Course_V40/ClubListAsia.dat").string(), out + ".unpacked"},
    };
    fs::create_directories(out);
    for (const auto& command : commands) {
        const ProcessResult run =
            world.Cli(command, device, scratch.path() / "work", {.killAfter = kHang});
        const std::string shown = command.front() + " " + (command.size() > 1 ? command[1] : "");
        EXPECT_TRUE(run.exitCode >= 0 && run.exitCode <= 2)
            << shown << " ended with " << run.exitCode << "\n"
            << run.err;
        for (const char* report : {"runtime error", "Sanitizer", "terminate called"})
            EXPECT_EQ(run.err.find(report), std::string::npos) << shown << "\n" << run.err;
        EXPECT_TRUE(run.exitCode == 0 || !(run.out.empty() && run.err.empty())) << shown;
    }
    // Nothing was written through a link off the device.
    for (const auto& [path, bytes] : testing::Snapshot(outside.path()))
        EXPECT_EQ(bytes, testing::Snapshot(world_->Device(kFamily))[path]) << path;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, HostileInputs,
    ::testing::Values(HostileCase{"Garbage", Garbage, false}, HostileCase{"Pipes", Pipes, false},
                      HostileCase{"PipedRecordsAndFolders", PipedRecordsAndFolders, false},
                      HostileCase{"Links", Links, false},
                      HostileCase{"GarbageServer", nullptr, true}),
    [](const auto& hostile) { return std::string(hostile.param.name); });

}  // namespace
}  // namespace orvane
