#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "DemoWorld.h"
#include "util/TextDecoding.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::TempFolder;

// Texts as Windows-made files, broken files and careless tools write them.
const std::vector<std::string> kHostileTexts = {
    "\xB3\xB2\xBC\xAD\xBF\xEF CC",  // CP949
    "Bad \xFF\xFE\xC0 bytes",       // neither UTF-8 nor CP949
    "Tab\tand\x01\x1F control",     // control characters
};

// The first lines of every text club list in `folder` get hostile titles.
void SpoilTitles(const fs::path& folder) {
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        const std::string name = item.path().filename().string();
        if (!item.is_regular_file() || !name.starts_with("ClubList") ||
            item.path().parent_path().filename() == "Cour107")
            continue;
        std::ifstream in(item.path(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::size_t at = 0;
        for (const std::string& title : kHostileTexts) {
            const std::size_t open = text.find('"', at);
            const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
            if (close == std::string::npos) break;
            text.replace(open + 1, close - open - 1, title);
            at = text.find('\n', open);
            if (at == std::string::npos) break;
        }
        std::ofstream(item.path(), std::ios::binary | std::ios::trunc) << text;
    }
}

// Every command that prints JSON prints a document a JSON parser reads,
// whatever the device and the server hold: titles, names, club names and the
// device's own path in CP949, in bytes of no encoding, with control
// characters; and a version file of binary noise.
TEST(JsonOutput, EveryDocumentParsesWhateverTheTextsHold) {
    DemoWorld world(21, {"--courses", "120"});
    SpoilTitles(world.ServerTree() / "Download");
    TempFolder scratch;
    const fs::path device = world.CopyDevice("model7-kr", scratch.path() / "dev\xB3\xB2ice");
    SpoilTitles(device);

    // A round of a club whose name is CP949, listed in the record index.
    const fs::path userData = device / "UserData";
    const fs::path first =
        *std::find_if(fs::directory_iterator(userData), {},
                      [](const auto& item) { return item.path().filename() != "DataList.dat"; });
    const std::string file = first.filename().string();
    const std::string club = file.substr(0, file.find('_'));
    const std::string hostileClub = "\xB3\xB2\xBC\xAD";
    const std::string hostileFile = hostileClub + file.substr(club.size());
    std::ifstream in(first, std::ios::binary);
    std::string record((std::istreambuf_iterator<char>(in)), {});
    // The record names its club in its header too.
    record.replace(record.find(club), club.size(), hostileClub);
    std::ofstream(userData / hostileFile, std::ios::binary) << record;
    std::ofstream(userData / "DataList.dat", std::ios::binary | std::ios::app)
        << hostileFile << "\r\n";

    const fs::path records = scratch.path() / "records";
    const auto run = [&](std::vector<std::string> args) {
        args.push_back("--json");
        return world.Cli(std::move(args), device, scratch.path() / "work");
    };
    ASSERT_EQ(run({"records", "save", "--to", records.string(), "--all"}).exitCode, 0);
    const auto saved = std::find_if(fs::directory_iterator(records), {}, [](const auto& item) {
        return !IsValidUtf8(item.path().filename().string());
    });
    ASSERT_NE(saved, fs::directory_iterator()) << "the CP949 club's round was saved";
    const std::string round = saved->path().filename().string();

    const std::vector<std::vector<std::string>> commands = {
        {"device-info"},
        {"connect"},
        {"zone", "0"},
        {"zone", "4"},
        {"courses", "--tabs", "0,1"},
        {"search", "cc"},
        {"records"},
        {"records", "saved", "--dir", records.string()},
        {"records", "show", round, "--dir", records.string()},
        {"records", "show", DisplayText(round), "--dir", records.string()},
        {"records", "stats", "--dir", records.string()},
        {"areas"},
        {"devices"},
    };
    for (const auto& command : commands) {
        std::string shown;
        for (const std::string& word : command) shown += word + " ";
        const ProcessResult result = run(command);
        EXPECT_EQ(result.exitCode, 0)
            << shown << result.err.substr(result.err.size() > 300 ? result.err.size() - 300 : 0);
        EXPECT_TRUE(nlohmann::json::accept(result.out)) << shown << result.out.substr(0, 300);
    }
    // The Korean title the server wrote in CP949 reads as Korean.
    const auto zone = nlohmann::json::parse(run({"zone", "0"}).out);
    EXPECT_EQ(zone["catalogue"][0]["title"], "남서울 CC");

    // A version file of noise: the device is refused with a clear message and
    // the document still parses.
    std::ofstream(device / "System" / "Ver.ini", std::ios::binary | std::ios::trunc)
        << std::string("\xFF\xFE\x00\x81\x9F\xC3", 6) << std::string(40, '\xEE');
    const ProcessResult info = run({"device-info"});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_NE(info.err.find("Failed to get the version information of the device."),
              std::string::npos);
    EXPECT_TRUE(nlohmann::json::accept(info.out)) << info.out;
}

}  // namespace
}  // namespace orvane
