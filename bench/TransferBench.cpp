// Storing and deleting maps as a person does it on a world-size catalogue
// (45,000 courses, 60% on the device): every new Korean map fetched from an
// in-memory server and copied into a device folder, with the club-list
// rewrites of the finish; and the deletion of every stored Korean map, which
// rewrites the zone's club list after each file.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "DemoCatalogue.h"
#include "DemoInventory.h"
#include "browser/Browser.h"
#include "browser/Transfer.h"
#include "catalogue/Classification.h"
#include "net/HttpClient.h"
#include "BenchShell.h"
#include "shell/Shell.h"

namespace {

using namespace orvane;
namespace fs = std::filesystem;

// Maps of the demo's typical size.
constexpr std::size_t kMapBytes = 200 * 1024;


// Answers every map with the same bytes.
class MemoryServer : public HttpClient {
public:
    std::optional<HttpResponse> Get(std::string_view) override {
        return HttpResponse{200, std::to_string(map_.size()), map_};
    }
    bool CheckInternet() override { return true; }

private:
    std::string map_ = std::string(kMapBytes, 'm');
};

fs::path MakeFolder() {
    std::string pattern = (fs::temp_directory_path() / "orvane-bench-XXXXXX").string();
    return fs::path(::mkdtemp(pattern.data()));
}

struct World {
    World() {
        const demo::DemoCatalogue catalogue =
            demo::GenerateCatalogue(20261206, demo::kWorldCourseCount);
        data.CatalogueList = catalogue.zones;
        demo::DemoRandom random(7);
        data.DeviceList = demo::PickDeviceCourses(random, catalogue);
        ClassifyCourses(data);
        device.HardwareVersion = "V4.3.0Kr";
        device.MarketCode = "Kr";
        device.ModelCode = 9;
        device.DeviceRoot = MakeFolder();
        marks.reserve(data.CatalogueList[0].size());
        for (const CourseNode& course : data.CatalogueList[0]) marks.push_back(course.mark);
    }
    ~World() {
        fs::remove_all(device.DeviceRoot);
        fs::remove_all(work);
    }

    void RestoreMarks() {
        for (std::size_t i = 0; i < marks.size(); ++i) data.CatalogueList[0][i].mark = marks[i];
    }

    CatalogueData data;
    DeviceLink device;
    std::vector<Mark> marks;
    bench::BenchShell shell;
    Ui ui{shell, Language::English};
    MemoryServer server;
    fs::path work = MakeFolder();
    CatalogueContext context{device, data, ui, server, work};
};

World& TheWorld() {
    static World world;
    return world;
}

void StoreNewKoreanMaps(benchmark::State& state) {
    World& world = TheWorld();
    Browser browser(world.data, world.device, world.ui);
    browser.SelectCountry(1);
    std::int64_t maps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        world.RestoreMarks();
        fs::remove_all(world.device.DeviceRoot / world.device.CourseFolder);
        Transfer transfer(world.context, browser);
        browser.remainingMapCount = 1 << 30;
        state.ResumeTiming();
        if (!transfer.Start(TransferCommand::KoreaNew)) state.SkipWithError("nothing to store");
        maps += transfer.state().queueCount;
        while (transfer.StepPending()) transfer.TransferStep(transfer.stepParameter());
        if (transfer.outcome() != TransferOutcome::Completed) state.SkipWithError("not completed");
    }
    state.counters["maps"] =
        benchmark::Counter(static_cast<double>(maps), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(maps * static_cast<std::int64_t>(kMapBytes));
}
BENCHMARK(StoreNewKoreanMaps)->Unit(benchmark::kMillisecond)->Iterations(3);

void DeleteStoredKoreanMaps(benchmark::State& state) {
    World& world = TheWorld();
    Browser browser(world.data, world.device, world.ui);
    std::int64_t maps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        world.RestoreMarks();
        browser.SelectCountry(1);
        browser.ColumnHeaderClicked(kCheckColumn);
        Transfer transfer(world.context, browser);
        for (const CourseRow& row : browser.list.rows()) maps += row.checked && !row.IsAdded();
        state.ResumeTiming();
        transfer.DeleteSelectedMaps();
        if (transfer.outcome() != TransferOutcome::Completed) state.SkipWithError("not completed");
    }
    state.counters["maps"] =
        benchmark::Counter(static_cast<double>(maps), benchmark::Counter::kIsRate);
}
// One round: it takes half a minute, a club-list rewrite with its flush per map.
BENCHMARK(DeleteStoredKoreanMaps)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
