// The course list as a person browses it: every area view of the tab strips
// and a few searches, on a generated world-size catalogue (45,000 courses)
// classified against a device that holds 60% of them.

#include <benchmark/benchmark.h>

#include <memory>

#include "DemoCatalogue.h"
#include "DemoInventory.h"
#include "browser/AreaTables.h"
#include "browser/Browser.h"
#include "catalogue/Classification.h"
#include "BenchShell.h"
#include "shell/Shell.h"

namespace {

using namespace orvane;


struct World {
    World() {
        const demo::DemoCatalogue catalogue = demo::GenerateCatalogue(20261206, demo::kWorldCourseCount);
        data.CatalogueList = catalogue.zones;
        demo::DemoRandom random(7);
        data.DeviceList = demo::PickDeviceCourses(random, catalogue);
        ClassifyCourses(data);
        device.HardwareVersion = "V4.3.0Kr";
        device.ModelCode = 9;
    }

    CatalogueData data;
    DeviceLink device;
    bench::BenchShell shell;
    Ui ui{shell, Language::English};
};

World& TheWorld() {
    static World world;
    return world;
}

// One benchmark per view: continent tab × 100 + country tab.
void ShowArea(benchmark::State& state) {
    World& world = TheWorld();
    Browser browser(world.data, world.device, world.ui);
    const int selection = static_cast<int>(state.range(0));
    browser.continentTab.selected = selection / 100;
    browser.ContinentChanged();
    browser.countryTab.selected = selection % 100;
    browser.CountryChanged();
    for (auto _ : state) {
        browser.ShowArea();
        benchmark::DoNotOptimize(browser.list.rows().data());
    }
    state.counters["rows"] = static_cast<double>(browser.list.rows().size());
}

void AllViews(benchmark::internal::Benchmark* benchmark) {
    for (const Continent& continent : Continents()) {
        for (int tab = 0; tab <= continent.countryCount; ++tab)
            benchmark->Arg(SelectionCode(continent.index, tab));
    }
}
BENCHMARK(ShowArea)->Apply(AllViews)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const char* text) {
    World& world = TheWorld();
    Browser browser(world.data, world.device, world.ui);
    for (auto _ : state) {
        browser.SearchCourses(text);
        benchmark::DoNotOptimize(browser.list.rows().data());
    }
    state.counters["rows"] = static_cast<double>(browser.list.rows().size());
}
BENCHMARK_CAPTURE(Search, one_word, "golf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, two_words, "country club")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, korean, "컨트리")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
