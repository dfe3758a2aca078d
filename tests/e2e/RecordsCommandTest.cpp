#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "DemoWorld.h"
#include "records/Clubs.h"
#include "records/PlayedShots.h"
#include "records/RecordLists.h"
#include "records/RoundStatistics.h"
#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using nlohmann::json;
using testing::DemoWorld;
using testing::ProcessResult;
using testing::ReadWholeFile;
using testing::TempFolder;

class RecordsCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() { world_ = new DemoWorld(5, {"--courses", "60", "--no-maps"}); }
    static void TearDownTestSuite() { delete world_; }

    ProcessResult Cli(std::vector<std::string> args) {
        return world_->Cli(std::move(args), world_->Device("model9-us"), work_.path());
    }
    std::string Records() const { return records_.path().string(); }

    static DemoWorld* world_;
    TempFolder work_;
    TempFolder records_;
};

DemoWorld* RecordsCommand::world_ = nullptr;

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The device's rounds listed, saved, listed from the folder and shown as
// cards: each step's JSON agrees with the one before.
TEST_F(RecordsCommand, ListsSavesShowsAndExportsTheDemoDevicesRounds) {
    const ProcessResult listed = Cli({"records", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const json list = json::parse(listed.out);
    ASSERT_GE(list.size(), 3u) << listed.out;
    for (const json& entry : list) {
        // "yyyy.mm.dd_hh" of "UserData/<club>_<yyyymmdd_hh>.dat".
        const std::string club = entry["club"], date = entry["date"];
        const std::string stamp = date.substr(0, 4) + date.substr(5, 2) + date.substr(8);
        EXPECT_EQ(entry["path"], "UserData/" + club + "_" + stamp + ".dat");
    }
    const ProcessResult saved = Cli({"records", "save", "--to", Records(), "--all"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_NE(saved.out.find("Saved data."), std::string::npos) << saved.out;

    const ProcessResult viewed = Cli({"records", "saved", "--dir", Records(), "--json"});
    ASSERT_EQ(viewed.exitCode, 0) << viewed.err;
    const json rows = json::parse(viewed.out);
    ASSERT_EQ(rows.size(), list.size());
    for (const json& row : rows) {
        const std::string file = row["file"];
        SCOPED_TRACE(file);
        const ProcessResult shown = Cli({"records", "show", file, "--dir", Records(), "--json"});
        ASSERT_EQ(shown.exitCode, 0) << shown.err;
        const json card = json::parse(shown.out);
        EXPECT_EQ(card["club"], row["club"]);
        // The owner's own course has no files on the server.
        EXPECT_EQ(card["map"], !row["club"].get<std::string>().starts_with("MyCC"));
        EXPECT_EQ(card["holes"].size(), row["in"] == "" ? 9u : 18u);
        EXPECT_EQ(card["out"]["strokes"], row["out"]);
        const std::string total = card["total"];
        EXPECT_TRUE(total.ends_with(" = " + row["total"].get<std::string>())) << total;
        // English cards measure in yards; the hole-out has no club or distance.
        EXPECT_EQ(card["unit"], "yd");
        std::size_t shots = 0;
        for (const json& hole : card["holes"]) {
            shots += hole["shots"].size();
            EXPECT_TRUE(hole["shots"].back()["distance"].is_null());
            EXPECT_TRUE(hole["shots"].back()["club"].is_null());
        }

        const std::filesystem::path csv = work_.path() / "round.csv";
        const std::filesystem::path gpx = work_.path() / "round.gpx";
        ASSERT_EQ(Cli({"records", "export", file, "--dir", Records(), "--csv", csv.string(),
                       "--gpx", gpx.string()})
                      .exitCode,
                  0);
        const std::string csvRows = ReadWholeFile(csv);
        EXPECT_TRUE(csvRows.starts_with("hole,shot,club,east,north,distance\r\n"));
        EXPECT_EQ(Count(csvRows, "\n"), shots + 1);
        EXPECT_EQ(Count(ReadWholeFile(gpx), "<wpt "), shots);

        // Hole 2 drawn: its areas and a line between each two of its shots,
        // or, without the club's files, only the failure text.
        const std::filesystem::path svg = work_.path() / "hole.svg";
        ASSERT_EQ(
            Cli({"records", "draw", file, "--dir", Records(), "--hole", "2", "--svg", svg.string()})
                .exitCode,
            0);
        const std::string picture = ReadWholeFile(svg);
        const bool map = card["map"];
        EXPECT_EQ(Count(picture, "<polygon") > 0, map);
        EXPECT_EQ(Count(picture, "<line"), map ? card["holes"][1]["shots"].size() - 1 : 0u);
    }
}

TEST_F(RecordsCommand, ChosenRowsSaveAndBadRequestsAreRefused) {
    const ProcessResult saved = Cli({"records", "save", "--to", Records(), "--rows", "1,1"});
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(records_.path()),
                            std::filesystem::directory_iterator()),
              1);
    const ProcessResult wrong = Cli({"records", "save", "--to", Records(), "--rows", "99"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.err.find("99"), std::string::npos);
    EXPECT_EQ(Cli({"records", "save", "--to", Records()}).exitCode, 2);

    const ProcessResult missing =
        Cli({"records", "show", "19990101_01_Nowhere.dat", "--dir", Records()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("19990101_01_Nowhere.dat is not a round record of"),
              std::string::npos);
    EXPECT_EQ(Cli({"records", "export", "x.dat", "--dir", Records()}).exitCode, 2);
}

json Tenths(const WholeMean& mean) {
    const auto tenths = mean.Tenths();
    return tenths ? json(static_cast<double>(*tenths) / 10) : json(nullptr);
}

// The statistics printed of the saved demo rounds are the core's over the
// same files, and their totals are the record viewer's.
TEST_F(RecordsCommand, StatsOfTheSavedRoundsAreTheCoresFigures) {
    ASSERT_EQ(Cli({"records", "save", "--to", Records(), "--all"}).exitCode, 0);
    const ProcessResult printed = Cli({"records", "stats", "--dir", Records(), "--json"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    const json stats = json::parse(printed.out);

    const std::vector<RecordEntry> entries =
        buildSavedRecordList(CatalogueData{}, records_.path(), ListRecordFolder(records_.path()));
    const RoundStatistics expected = ComputeRoundStatistics(entries);
    const auto round = [&](const PlayedRound& played) {
        const RecordEntry& entry = entries[played.entry];
        return json{{"date", entry.date},
                    {"club", ShownClubName(entry, Language::English)},
                    {"strokes", played.strokes}};
    };
    ASSERT_GT(expected.nine.strokes.count, 0);
    EXPECT_EQ(stats["rounds"], (json{{"all", entries.size()},
                                     {"eighteen", expected.eighteen.strokes.count},
                                     {"nine", expected.nine.strokes.count}}));
    EXPECT_EQ(stats["average"]["nine"], Tenths(expected.nine.strokes));
    EXPECT_EQ(stats["best"]["eighteen"], round(*expected.eighteen.best));
    EXPECT_EQ(stats["latest"]["holes"], expected.Latest()->holes);
    ASSERT_EQ(stats["holes"].size(), 18u);
    EXPECT_EQ(stats["holes"][17], (json{{"hole", 18},
                                        {"rounds", expected.holeToPar[17].count},
                                        {"toPar", Tenths(expected.holeToPar[17])}}));
    const auto& [club, distances] = *expected.clubs.begin();
    ASSERT_EQ(stats["clubs"].size(), expected.clubs.size());
    EXPECT_EQ(stats["clubs"][0],
              (json{{"club", club},
                    {"label", ClubLabel(club)},
                    {"name", ClubName(club, Language::English)},
                    {"count", distances.count},
                    {"median", WholeDistance(distances.median, DistanceUnit::Metres)},
                    {"longest", WholeDistance(distances.longest, DistanceUnit::Metres)}}));

    // Every round once, as the viewer lists it with its total.
    const ProcessResult viewed = Cli({"records", "saved", "--dir", Records(), "--json"});
    ASSERT_EQ(viewed.exitCode, 0) << viewed.err;
    std::multiset<std::string> viewerRounds, statsRounds;
    for (const json& row : json::parse(viewed.out))
        viewerRounds.insert(row["date"].get<std::string>() + " " + row["club"].get<std::string>() +
                            " " + row["total"].get<std::string>());
    for (const json& played : stats["series"])
        statsRounds.insert(played["date"].get<std::string>() + " " +
                           played["club"].get<std::string>() + " " +
                           std::to_string(played["strokes"].get<int>()));
    EXPECT_EQ(statsRounds, viewerRounds);

    // The same figures as text, after the connection's status lines.
    const ProcessResult text = Cli({"records", "stats", "--dir", Records()});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("\nRounds played: " + std::to_string(entries.size()) + " (18 holes: " +
                            std::to_string(expected.eighteen.strokes.count) + ", 9 holes: " +
                            std::to_string(expected.nine.strokes.count) + ")\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("\n" + ClubLabel(club) + "\t" + ClubName(club, Language::English) +
                            "\t" + std::to_string(distances.count) + "\t"),
              std::string::npos)
        << text.out;
}

TEST_F(RecordsCommand, StatsOfAnEmptyFolderHaveNothingToShow) {
    const ProcessResult printed = Cli({"records", "stats", "--dir", Records(), "--json"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_NE(printed.err.find("No Saved record data."), std::string::npos);
    const json stats = json::parse(printed.out);
    EXPECT_EQ(stats["rounds"], (json{{"all", 0}, {"eighteen", 0}, {"nine", 0}}));
    EXPECT_EQ(stats["average"], (json{{"eighteen", nullptr}, {"nine", nullptr}}));
    EXPECT_EQ(stats["best"], (json{{"eighteen", nullptr}, {"nine", nullptr}}));
    EXPECT_TRUE(stats["latest"].is_null());
    ASSERT_EQ(stats["holes"].size(), 18u);
    EXPECT_EQ(stats["holes"][17], (json{{"hole", 18}, {"rounds", 0}, {"toPar", nullptr}}));
    EXPECT_EQ(stats["clubs"], json::array());
    EXPECT_EQ(stats["series"], json::array());

    const ProcessResult korean = Cli({"records", "stats", "--dir", Records(), "--lang", "ko"});
    ASSERT_EQ(korean.exitCode, 0) << korean.err;
    EXPECT_NE(korean.out.find("라운드 수: 0 (18홀: 0, 9홀: 0)\n평균 타수, 18홀: -\n"),
              std::string::npos)
        << korean.out;
}

}  // namespace
}  // namespace orvane
