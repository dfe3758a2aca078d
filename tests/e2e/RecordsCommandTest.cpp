#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "DemoWorld.h"
#include "records/PackedFile.h"
#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::ReadWholeFile;
using testing::RunProcess;
using testing::TempFolder;

class RecordsCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(5, {"--courses", "60", "--no-maps"}); }
    static void TearDownTestSuite() { delete world_; }

    ProcessResult Cli(std::vector<std::string> args) {
        return world_->Cli(std::move(args), device(), work_.path());
    }

    static std::filesystem::path device() { return world_->Device("model9-us"); }

    static DemoWorld* world_;
    TempFolder work_;
    TempFolder records_;
};

DemoWorld* RecordsCommand::world_ = nullptr;

TEST_F(RecordsCommand, ListsSavesAndViewsTheDemoDevicesRounds) {
    const ProcessResult listed = Cli({"records", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const json list = json::parse(listed.out);
    ASSERT_GE(list.size(), 3u) << listed.out;
    std::set<std::string> expected;
    for (const json& entry : list) {
        const std::string path = entry["path"];
        ASSERT_TRUE(path.starts_with("UserData/")) << path;
        EXPECT_TRUE(std::filesystem::is_regular_file(device() / path)) << path;
        // "UserData/<club>_<yyyymmdd>_<hh>.dat" names the club and the date.
        const std::string file = path.substr(9);
        const std::string club = entry["club"];
        const std::string date = entry["date"];
        EXPECT_EQ(file.substr(0, club.size() + 1), club + "_");
        const std::string stamp = file.substr(club.size() + 1, 11);
        EXPECT_EQ(date, stamp.substr(0, 4) + "." + stamp.substr(4, 2) + "." + stamp.substr(6, 5));
        expected.insert(stamp + "_" + club + ".dat");
    }

    const ProcessResult saved = Cli({"records", "save", "--to", records_.path().string(), "--all"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_NE(saved.out.find("Saved data."), std::string::npos) << saved.out;
    std::set<std::string> files;
    for (const auto& item : std::filesystem::directory_iterator(records_.path()))
        files.insert(item.path().filename().string());
    EXPECT_EQ(files, expected);
    // Each saved file is the packed device text.
    for (const json& entry : list) {
        const std::string path = entry["path"];
        const std::string stamp = path.substr(9 + entry["club"].get<std::string>().size() + 1, 11);
        std::string unpacked;
        ASSERT_GT(
            unpackFile(records_.path() / (stamp + "_" + entry["club"].get<std::string>() + ".dat"),
                       unpacked),
            0);
        EXPECT_EQ(unpacked, ReadWholeFile(device() / path));
    }

    const ProcessResult viewed =
        Cli({"records", "saved", "--dir", records_.path().string(), "--json"});
    ASSERT_EQ(viewed.exitCode, 0) << viewed.err;
    const json rows = json::parse(viewed.out);
    ASSERT_EQ(rows.size(), list.size());
    bool nine = false, eighteen = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const json& row = rows[i];
        EXPECT_EQ(files.count(row["file"].get<std::string>()), 1u);
        if (i > 0) {
            EXPECT_GE(rows[i - 1]["date"].get<std::string>(), row["date"].get<std::string>());
        }
        const int out = std::stoi(row["out"].get<std::string>());
        const int total = std::stoi(row["total"].get<std::string>());
        EXPECT_GT(out, 27);
        if (row["in"] == "") {
            nine = true;
            EXPECT_EQ(total, out);
        } else {
            eighteen = true;
            EXPECT_EQ(total, out + std::stoi(row["in"].get<std::string>()));
        }
    }
    EXPECT_TRUE(nine);
    EXPECT_TRUE(eighteen);
}

TEST_F(RecordsCommand, SavesChosenRowsAndRefusesOthers) {
    const ProcessResult saved =
        Cli({"records", "save", "--to", records_.path().string(), "--rows", "1,1"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(records_.path()),
                            std::filesystem::directory_iterator()),
              1);
    const ProcessResult wrong =
        Cli({"records", "save", "--to", records_.path().string(), "--rows", "99"});
    EXPECT_NE(wrong.exitCode, 0);
    EXPECT_NE(wrong.err.find("99"), std::string::npos);
    const ProcessResult neither = Cli({"records", "save", "--to", records_.path().string()});
    EXPECT_NE(neither.exitCode, 0);
}

// Par and strokes of each played hole, read straight from a device record's
// text: lines after the five header lines that start with a course letter.
std::vector<std::pair<int, int>> ParsAndStrokes(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    std::vector<std::pair<int, int>> holes;
    for (int number = 0; std::getline(lines, line); ++number) {
        if (number < 5 || line.empty() || !std::isalpha(static_cast<unsigned char>(line[0])))
            continue;
        std::istringstream words(line);
        std::string label;
        int first = 0, flags = 0, score = 0;
        words >> label >> first >> flags >> score;
        holes.emplace_back(first & 15, (first & 15) + score);
    }
    return holes;
}

TEST_F(RecordsCommand, ShowsAndExportsEverySavedRound) {
    ASSERT_EQ(Cli({"records", "save", "--to", records_.path().string(), "--all"}).exitCode, 0);
    const json list = json::parse(Cli({"records", "--json"}).out);
    for (const json& listed : list) {
        const std::string path = listed["path"];
        const std::string club = listed["club"];
        const std::string file = path.substr(9 + club.size() + 1, 11) + "_" + club + ".dat";
        SCOPED_TRACE(file);
        const ProcessResult shown =
            Cli({"records", "show", file, "--dir", records_.path().string(), "--json"});
        ASSERT_EQ(shown.exitCode, 0) << shown.err;
        const json card = json::parse(shown.out);
        // The owner's own course has no files on the server (its nines are
        // called "Hole"); every other club's holes and course names load.
        const bool own = club.starts_with("MyCC");
        EXPECT_EQ(card["map"], !own);
        EXPECT_NE(card["courses"][0], "");

        const auto holes = ParsAndStrokes(ReadWholeFile(device() / path));
        ASSERT_EQ(card["holes"].size(), holes.size() > 9 ? 18u : 9u);
        std::array<int, 2> strokes{};
        for (std::size_t i = 0; i < holes.size(); ++i) {
            EXPECT_EQ(card["holes"][i]["par"], std::to_string(holes[i].first));
            strokes[i / 9] += holes[i].second;
        }
        EXPECT_EQ(card["out"]["strokes"], std::to_string(strokes[0]));
        EXPECT_EQ(card["total"], "Total :  " + std::to_string(strokes[0]) + " + " +
                                     std::to_string(strokes[1]) + " = " +
                                     std::to_string(strokes[0] + strokes[1]));
        // English cards measure in yards; every shot but the hole-out has a
        // club and a distance.
        EXPECT_EQ(card["unit"], "yd");
        std::size_t shots = 0;
        for (const json& hole : card["holes"]) {
            for (std::size_t k = 0; k < hole["shots"].size(); ++k) {
                const bool holeOut = k + 1 == hole["shots"].size();
                EXPECT_EQ(hole["shots"][k]["distance"].is_null(), holeOut);
                EXPECT_EQ(hole["shots"][k]["club"].is_null(), holeOut);
                ++shots;
            }
        }

        const std::filesystem::path csv = work_.path() / "round.csv";
        const std::filesystem::path gpx = work_.path() / "round.gpx";
        ASSERT_EQ(Cli({"records", "export", file, "--dir", records_.path().string(), "--csv",
                       csv.string(), "--gpx", gpx.string()})
                      .exitCode,
                  0);
        const std::string rows = ReadWholeFile(csv);
        EXPECT_TRUE(rows.starts_with("hole,shot,club,east,north,distance\r\n"));
        EXPECT_EQ(static_cast<std::size_t>(std::count(rows.begin(), rows.end(), '\n')), shots + 1);
        const std::string track = ReadWholeFile(gpx);
        std::size_t waypoints = 0;
        for (std::size_t at = track.find("<wpt "); at != std::string::npos;
             at = track.find("<wpt ", at + 1))
            ++waypoints;
        EXPECT_EQ(waypoints, shots);
    }

    const ProcessResult text =
        Cli({"records", "show", "19990101_01_Nowhere.dat", "--dir", records_.path().string()});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.err.find("19990101_01_Nowhere.dat is not a round record of"), std::string::npos);
    EXPECT_EQ(Cli({"records", "export", "x.dat", "--dir", records_.path().string()}).exitCode, 2);
}

}  // namespace
}  // namespace orvane
