#include <CLI/CLI.hpp>
#include <iostream>

#include "DemoDevices.h"

int main(int argc, char** argv) {
    CLI::App app{"Writes seeded demo data for Orvane Manager", "orvane-demo-data"};
    std::string out = "demo";
    std::uint32_t seed = 20261206;
    app.add_option("--out", out, "Folder to write into")->capture_default_str();
    app.add_option("--seed", seed, "Seed of the generator")->capture_default_str();
    CLI11_PARSE(app, argc, argv);

    try {
        orvane::demo::DemoRandom random(seed);
        const auto devices = orvane::demo::DemoDeviceFamilies(random);
        for (const auto& folder : orvane::demo::WriteDemoDevices(out, devices)) {
            std::cout << folder.string() << '\n';
        }
    } catch (const std::exception& error) {
        std::cerr << "orvane-demo-data: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
