#include "DeviceState.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "browser/Transfer.h"
#include "catalogue/ClubListText.h"
#include "catalogue/ZoneTable.h"
#include "device/DevicePaths.h"
#include "support/RecordingShell.h"
#include "util/Files.h"
#include "util/TemporaryFiles.h"

namespace orvane::testing {

namespace fs = std::filesystem;

Files Snapshot(const fs::path& root) {
    Files files;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        if (!item.is_regular_file() || item.is_symlink()) continue;
        files[fs::relative(item.path(), root).generic_string()] =
            ReadFileBytes(item.path()).value_or("");
    }
    return files;
}

bool IsTemporary(const std::string& relative) {
    return IsTemporaryName(fs::path(relative).filename().string());
}

void ExpectNoTemporaryFile(const fs::path& root) {
    for (const auto& [path, bytes] : Snapshot(root))
        EXPECT_FALSE(IsTemporary(path)) << path << " is left in " << root;
}

void ResizeServerMaps(const fs::path& download, std::size_t size) {
    for (const auto& folder : fs::directory_iterator(download)) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory() || name == "Course_V30" || name == "Firmware" ||
            name == "Downloader")
            continue;
        for (const auto& item : fs::recursive_directory_iterator(folder.path())) {
            if (!item.is_regular_file() || item.path().parent_path() == folder.path()) continue;
            // Removed first: the generator links equal files together.
            fs::remove(item.path());
            std::string bytes = "map " + item.path().string() + "\n";
            while (bytes.size() < size) bytes += bytes;
            std::ofstream(item.path(), std::ios::binary) << bytes.substr(0, size);
        }
    }
}

DeviceLink ConnectedLink(const DemoWorld& world, const fs::path& device, const fs::path& work) {
    const ProcessResult run = world.Cli({"connect", "--json"}, device, work);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto summary = nlohmann::json::parse(run.out, nullptr, false);
    DeviceLink link{.DeviceRoot = device};
    if (summary.is_discarded()) return link;
    link.ModelCode = summary["ModelCode"];
    link.CourseFolder = summary["CourseFolder"];
    return link;
}

std::map<std::string, std::vector<std::string>> ListedMaps(const Files& files,
                                                           const DeviceLink& link) {
    std::map<std::string, std::vector<std::string>> lists;
    RecordingShell shell;
    Ui ui(shell, Language::English);
    for (int zone = 0; zone < kZoneCount; ++zone) {
        const std::string path = DevicePathFor(link, DeviceClubListName(zone, link.ModelCode));
        const auto found = files.find(path);
        if (found == files.end()) continue;
        auto& maps = lists[path];
        for (const CourseNode& course :
             ParseTextClubList(found->second, zone, ClubListSide::Device, ui))
            maps.push_back(CourseMapFolder(link, course.id) + "/" + DeviceMapStem(link, course) +
                           ".dat");
    }
    return lists;
}

}  // namespace orvane::testing
