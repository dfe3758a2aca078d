// What a connection costs once the files are on hand: the 28 server club
// lists and the device's 28 lists read through the real loaders, then every
// catalogue course classified against the device. Fetching is the network's
// time and is left out; so is putting the server lists back into the working
// folder, which the catalogue loader empties on every run.
//
// The catalogue is generated at world size (45,000 courses) and at four times
// that; the device is a text model holding 60% of the courses, a tenth of
// those with an older map. A summary after the runs compares the two sizes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DemoCatalogue.h"
#include "DemoClubLists.h"
#include "DemoFiles.h"
#include "DemoInventory.h"
#include "catalogue/CatalogueContext.h"
#include "catalogue/Classification.h"
#include "catalogue/ClubListText.h"
#include "catalogue/ZoneLoaders.h"
#include "device/DevicePaths.h"
#include "BenchShell.h"
#include "shell/Shell.h"

namespace {

using namespace orvane;

constexpr std::uint32_t kSeed = 20261206;
constexpr int kTextModel = 9;


// Loading reads local files only; nothing may reach for the network.
class NoServer : public HttpClient {
public:
    std::optional<HttpResponse> Get(std::string_view) override { return std::nullopt; }
    bool CheckInternet() override { return false; }
};

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The device holds its courses in catalogue order, so one walk pairs them.
std::size_t Outdated(const std::vector<CourseNode>& catalogue,
                     const std::vector<CourseNode>& stored) {
    std::size_t count = 0;
    auto server = catalogue.begin();
    for (const CourseNode& course : stored) {
        while (server != catalogue.end() && server->name != course.name) ++server;
        if (server != catalogue.end() && course.version < server->version) ++count;
    }
    return count;
}

// One catalogue size: the server's lists in memory, the device's on disk.
struct World {
    explicit World(int courses) {
        const demo::DemoCatalogue catalogue = demo::GenerateCatalogue(kSeed, courses);
        demo::DemoRandom picks(kSeed + 1);
        const auto stored = demo::PickDeviceCourses(picks, catalogue);
        device.DeviceRoot = deviceFolder.path();
        device.ModelCode = kTextModel;
        device.CourseFolder = "Course_V40";
        for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
            serverLists[zone] = demo::TextClubList(catalogue.zones[zone]);
            catalogueCourses += catalogue.zones[zone].size();
            deviceCourses += stored[zone].size();
            outdated += Outdated(catalogue.zones[zone], stored[zone]);
            const std::string path =
                DevicePathFor(device, DeviceClubListName(static_cast<int>(zone), device.ModelCode));
            demo::WriteDemoFile(DeviceFilePath(device, path),
                                demo::DeviceClubList(stored[zone], device.ModelCode));
        }
    }

    // What the server check leaves in the working folder before loading.
    void StageServerLists() const {
        for (std::size_t zone = 0; zone < kZoneCount; ++zone)
            demo::WriteDemoFile(workFolder.path() / ZoneTable[zone].catalogueName,
                                serverLists[zone]);
    }

    ScratchFolder workFolder;
    ScratchFolder deviceFolder;
    DeviceLink device;
    PerZone<std::string> serverLists;
    std::size_t catalogueCourses = 0;
    std::size_t deviceCourses = 0;
    std::size_t outdated = 0;
};

const World& WorldOf(int courses) {
    static std::map<int, std::unique_ptr<World>> worlds;
    auto& world = worlds[courses];
    if (!world) world = std::make_unique<World>(courses);
    return *world;
}

struct MarkCounts {
    std::size_t stored = 0, updated = 0, fresh = 0;
};

MarkCounts CountMarks(const CatalogueData& data) {
    MarkCounts counts;
    for (const auto& zone : data.CatalogueList) {
        for (const CourseNode& course : zone) {
            if (course.mark == Mark::Stored)
                ++counts.stored;
            else if (course.mark == Mark::Updated)
                ++counts.updated;
            else
                ++counts.fresh;
        }
    }
    return counts;
}

void Report(benchmark::State& state, const World& world, const CatalogueData& data, int rejected) {
    const MarkCounts marks = CountMarks(data);
    state.SetComplexityN(static_cast<std::int64_t>(world.catalogueCourses));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(world.catalogueCourses +
                                                                           world.deviceCourses));
    state.counters["catalogue"] = static_cast<double>(world.catalogueCourses);
    state.counters["device"] = static_cast<double>(world.deviceCourses);
    state.counters["stored"] = static_cast<double>(marks.stored);
    state.counters["updated"] = static_cast<double>(marks.updated);
    state.counters["new"] = static_cast<double>(marks.fresh);
    state.counters["rejected"] = rejected;
    if (rejected != 0) state.SkipWithError("the loaders rejected generated lines");
    // Every device course is a catalogue course, so the marks are known.
    if (marks.updated != world.outdated || marks.stored + marks.updated != world.deviceCourses)
        state.SkipWithError("the classification disagrees with the generated device");
}

// The server's and the device's lists of every zone, as a connection loads them.
void LoadEveryZone(CatalogueContext& context) {
    for (int zone = 0; zone < kZoneCount; ++zone) LoadCatalogueZone(context, zone);
    for (int zone = 0; zone < kZoneCount; ++zone) LoadDeviceZone(context, zone);
}

// The whole load-and-classify step of a connection.
void LoadAndClassify(benchmark::State& state) {
    const World& world = WorldOf(static_cast<int>(state.range(0)));
    bench::BenchShell shell;
    Ui ui(shell, Language::English);
    NoServer server;
    DeviceLink device = world.device;
    CatalogueData data;
    for (auto _ : state) {
        state.PauseTiming();
        world.StageServerLists();
        data = CatalogueData();
        state.ResumeTiming();

        CatalogueContext context{device, data, ui, server, world.workFolder.path()};
        LoadEveryZone(context);
        ClassifyCourses(data);
        benchmark::DoNotOptimize(data.CatalogueList[0].data());
    }
    Report(state, world, data, shell.questions);
}

// The parts on their own, to see where the time goes: parsing the server's
// lists from memory...
void ParseCatalogue(benchmark::State& state) {
    const World& world = WorldOf(static_cast<int>(state.range(0)));
    bench::BenchShell shell;
    Ui ui(shell, Language::English);
    std::size_t parsed = 0;
    for (auto _ : state) {
        parsed = 0;
        for (int zone = 0; zone < kZoneCount; ++zone) {
            const auto courses =
                ParseTextClubList(world.serverLists[static_cast<std::size_t>(zone)], zone,
                                  ClubListSide::Catalogue, ui);
            parsed += courses.size();
        }
        benchmark::DoNotOptimize(parsed);
    }
    state.SetComplexityN(static_cast<std::int64_t>(world.catalogueCourses));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(parsed));
    if (parsed != world.catalogueCourses || shell.questions != 0)
        state.SkipWithError("the parsed catalogue differs from the generated one");
}

// ...and classifying lists already loaded.
void Classify(benchmark::State& state) {
    const World& world = WorldOf(static_cast<int>(state.range(0)));
    bench::BenchShell shell;
    Ui ui(shell, Language::English);
    NoServer server;
    DeviceLink device = world.device;
    CatalogueData data;
    CatalogueContext context{device, data, ui, server, world.workFolder.path()};
    world.StageServerLists();
    LoadEveryZone(context);
    for (auto _ : state) {
        ClassifyCourses(data);
        benchmark::DoNotOptimize(data.CatalogueList[0].data());
    }
    Report(state, world, data, shell.questions);
}

constexpr int kWorld = demo::kWorldCourseCount;

BENCHMARK(LoadAndClassify)
    ->Arg(kWorld)
    ->Arg(4 * kWorld)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(ParseCatalogue)
    ->Arg(kWorld)
    ->Arg(4 * kWorld)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(Classify)
    ->Arg(kWorld)
    ->Arg(4 * kWorld)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// Prints, after the usual table, how each step grew from the smaller
// catalogue to the larger: four times the courses should take about four
// times as long. With repetitions the quickest run of each size counts, as
// the one least disturbed by whatever else the machine was doing; with
// aggregates only, the median.
class GrowthReporter : public benchmark::ConsoleReporter {
public:
    explicit GrowthReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool single = run.run_type == Run::RT_Iteration;
            // Without the single runs (aggregates only) the median stands in.
            if (!single && run.aggregate_name != "median") continue;
            const double unit = MillisecondsPer(run.time_unit);
            const Point point{run.GetAdjustedRealTime() * unit, run.GetAdjustedCPUTime() * unit};
            auto& sizes = (single ? quickest_ : medians_)[run.run_name.function_name];
            // Aggregates leave the course count out; the argument is the same.
            const std::int64_t courses =
                run.complexity_n != 0 ? run.complexity_n : std::stoll(run.run_name.args);
            auto [entry, added] = sizes.try_emplace(courses, point);
            if (!added && point.cpu < entry->second.cpu) entry->second = point;
        }
    }

    void PrintGrowth(std::ostream& out) const {
        out << "\nGrowth from the smaller catalogue to the larger:\n";
        for (const auto& [name, sizes] : quickest_.empty() ? medians_ : quickest_) {
            if (sizes.size() < 2) continue;
            const auto& [smallN, small] = *sizes.begin();
            const auto& [largeN, large] = *sizes.rbegin();
            const auto n0 = static_cast<double>(smallN), n1 = static_cast<double>(largeN);
            out << "  " << name << ": " << smallN << " -> " << largeN << " courses (x" << n1 / n0
                << ")\n";
            Line(out, "wall", small.wall, large.wall, n0, n1);
            Line(out, "cpu ", small.cpu, large.cpu, n0, n1);
        }
    }

private:
    struct Point {
        double wall;
        double cpu;
    };

    static void Line(std::ostream& out, const char* label, double t0, double t1, double n0,
                     double n1) {
        out << "    " << label << " " << t0 << " ms -> " << t1 << " ms (x" << t1 / t0 << "), "
            << 1000.0 * t0 / n0 << " -> " << 1000.0 * t1 / n1 << " us per course\n";
    }

    static double MillisecondsPer(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond:
                return 1e-6;
            case benchmark::kMicrosecond:
                return 1e-3;
            case benchmark::kMillisecond:
                return 1.0;
            case benchmark::kSecond:
                return 1e3;
        }
        return 1.0;
    }

    using Sizes = std::map<std::int64_t, Point>;
    std::map<std::string, Sizes> quickest_;
    std::map<std::string, Sizes> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    GrowthReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                    : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintGrowth(std::cout);
    benchmark::Shutdown();
    return 0;
}
