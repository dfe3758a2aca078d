// Opening a round's score card and drawing its holes, as the window does it,
// over a demo device's rounds: the card shown before its details arrive,
// the details (course names and hole geometry) read from a server tree in a
// folder, a hole laid out by the core, and that hole painted.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "DemoCatalogue.h"
#include "DemoCourseFiles.h"
#include "DemoInventory.h"
#include "DemoRecords.h"
#include "gui/CViewScore.h"
#include "gui/HolePainter.h"
#include "records/PackedFile.h"
#include "records/RecordLists.h"
#include "records/RecordViewer.h"

namespace {

using namespace orvane;
namespace fs = std::filesystem;

fs::path MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "orvane-bench-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
}

// The update server as a folder, without sockets: what is left to measure
// is reading and parsing the club's files.
class FolderServer : public HttpClient {
public:
    explicit FolderServer(fs::path root) : root_(std::move(root)) {}
    std::optional<HttpResponse> Get(std::string_view path) override {
        std::string relative(path);
        for (std::size_t at; (at = relative.find("//")) != std::string::npos;)
            relative.replace(at, 2, "/");
        std::ifstream file(root_ / relative, std::ios::binary);
        if (!file) return HttpResponse{404, "0", ""};
        std::ostringstream body;
        body << file.rdbuf();
        return HttpResponse{200, std::to_string(body.str().size()), body.str()};
    }
    bool CheckInternet() override { return true; }

private:
    fs::path root_;
};

// A demo device's rounds, saved into a record folder, with the server's
// files of their clubs.
struct World {
    World() {
        const demo::DemoCatalogue catalogue = demo::GenerateCatalogue(20261206, 3000);
        data.CatalogueList = catalogue.zones;
        demo::DemoRandom picks(7);
        const auto stored = demo::PickDeviceCourses(picks, catalogue);
        demo::ClubHolesOnServer holes(root / "server", 11);
        demo::DemoRandom random(13);
        fs::create_directories(root / "records");
        for (const demo::DemoRound& round : demo::GenerateRounds(
                 random, stored, [&](const CourseNode& club) -> const auto& {
                     return holes.HolesOf(club);
                 }))
            packToFile(round.text, root / "records" / round.fileName);
        entries = buildSavedRecordList(data, root / "records", ListRecordFolder(root / "records"));
        for (RecordEntry& candidate : entries) {
            if (candidate.record->holeCount == 18 && candidate.courseNumber != 0) {
                entry = candidate;
                break;
            }
        }
        geometry = LoadRoundDetails(server, entry, root);
    }
    ~World() { fs::remove_all(root); }

    fs::path root = MakeFolder();
    CatalogueData data;
    FolderServer server{root / "server"};
    std::vector<RecordEntry> entries;
    RecordEntry entry;
    CourseGeometry geometry;
};

World& TheWorld(benchmark::State& state) {
    static World world;
    if (!world.geometry.loaded) state.SkipWithError("the round's club has no holes on the server");
    return world;
}

// The card on screen as View opens it: its texts, cells and an empty hole
// view, laid out and painted once.
void ShowScoreCard(benchmark::State& state) {
    World& world = TheWorld(state);
    ScoreCardState shown;
    for (auto _ : state) {
        gui::CViewScore card(world.entry, Language::English, shown, nullptr);
        benchmark::DoNotOptimize(card.grab());
    }
}
BENCHMARK(ShowScoreCard)->Unit(benchmark::kMillisecond);

// What the worker does before the hole view fills: the club's course names
// and the hole geometry read and parsed.
void LoadDetails(benchmark::State& state) {
    World& world = TheWorld(state);
    for (auto _ : state) {
        RecordEntry entry = world.entry;
        benchmark::DoNotOptimize(LoadRoundDetails(world.server, entry, world.root));
    }
}
BENCHMARK(LoadDetails)->Unit(benchmark::kMillisecond);

// The details arriving at an open card: the card and the hole shown again,
// painted.
void FillScoreCard(benchmark::State& state) {
    World& world = TheWorld(state);
    ScoreCardState shown;
    gui::CViewScore card(world.entry, Language::English, shown, nullptr);
    for (auto _ : state) {
        card.SetDetails(world.entry, world.geometry);
        benchmark::DoNotOptimize(card.grab());
    }
}
BENCHMARK(FillScoreCard)->Unit(benchmark::kMillisecond);

// A hole laid out by the core, each of the 18 in turn.
void DrawHoles(benchmark::State& state) {
    World& world = TheWorld(state);
    std::int32_t hole = 0;
    for (auto _ : state) {
        hole = hole % 18 + 1;
        benchmark::DoNotOptimize(
            DrawHole(world.geometry, *world.entry.record, hole, kHoleViewRect));
    }
}
BENCHMARK(DrawHoles)->Unit(benchmark::kMicrosecond);

// A hole laid out and painted into the view's picture.
void PaintHoles(benchmark::State& state) {
    World& world = TheWorld(state);
    QImage view(kHoleCanvas.right, kHoleCanvas.bottom, QImage::Format_ARGB32_Premultiplied);
    const QString missing = "Downloading a course map data failed.";
    std::int32_t hole = 0;
    for (auto _ : state) {
        hole = hole % 18 + 1;
        QPainter painter(&view);
        gui::PaintHoleView(painter,
                           DrawHole(world.geometry, *world.entry.record, hole, kHoleViewRect),
                           kHoleViewRect, missing);
    }
}
BENCHMARK(PaintHoles)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
