#include <CLI/CLI.hpp>
#include <iostream>

#include "DemoCatalogue.h"
#include "DemoCourseFiles.h"
#include "DemoDevices.h"
#include "DemoFirmware.h"
#include "DemoInventory.h"
#include "DemoMaps.h"
#include "DemoRecords.h"
#include "DemoServer.h"
#include "device/DeviceLink.h"

namespace {

// Each part of the demo draws from its own stream, so that a bigger catalogue
// leaves the devices' version files as they were for the same seed.
std::uint32_t StreamSeed(std::uint32_t seed, std::uint32_t stream) {
    return seed ^ (0x9E3779B9u * (stream + 1));
}

constexpr std::uint32_t kCatalogueStream = 1;
constexpr std::uint32_t kMapStream = 2;
constexpr std::uint32_t kFirmwareStream = 3;
constexpr std::uint32_t kHoleStream = 4;
constexpr std::uint32_t kFirstDeviceStream = 100;
constexpr std::uint32_t kFirstRoundStream = 200;

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes seeded demo data for Orvane Manager", "orvane-demo-data"};
    std::string out = "demo";
    std::uint32_t seed = 20261206;
    int courses = orvane::demo::kDefaultCourseCount;
    // Aliases have seven digits; far beyond this many courses they run out.
    constexpr int kMostCourses = 500000;
    app.add_option("--out", out, "Folder to write into")->capture_default_str();
    app.add_option("--seed", seed, "Seed of the generator")->capture_default_str();
    app.add_option("--courses", courses,
                   "Courses in the server's catalogue (the real world has about 45000)")
        ->capture_default_str()
        ->check(CLI::Range(0, kMostCourses));
    bool maps = true;
    app.add_flag("!--no-maps", maps,
                 "Leave the course maps out (a world-size catalogue's maps take gigabytes)");
    std::vector<std::size_t> mapKib{50, 400};
    app.add_option("--map-kib", mapKib, "Smallest and largest map size in KiB (largest excluded)")
        ->delimiter(',')
        ->expected(2)
        ->capture_default_str();
    CLI11_PARSE(app, argc, argv);
    if (mapKib[0] >= mapKib[1]) {
        std::cerr << "orvane-demo-data: --map-kib needs the smaller size first\n";
        return 2;
    }

    try {
        namespace demo = orvane::demo;
        demo::DemoRandom random(seed);
        const auto devices = demo::DemoDeviceFamilies(random);
        const auto folders = demo::WriteDemoDevices(out, devices);

        const demo::DemoCatalogue catalogue =
            demo::GenerateCatalogue(StreamSeed(seed, kCatalogueStream), courses);
        const auto server = demo::WriteServerTree(out, catalogue);
        if (maps) {
            demo::DemoRandom mapRandom(StreamSeed(seed, kMapStream));
            demo::WriteServerMaps(server, catalogue, mapRandom,
                                  {.smallest = mapKib[0] * 1024, .largest = mapKib[1] * 1024});
        }
        demo::DemoRandom firmwareRandom(StreamSeed(seed, kFirmwareStream));
        demo::WriteFirmwareTree(server, devices, firmwareRandom);

        // Every club a round is played on gets its holes once, for the
        // server's files and for the rounds of every device.
        demo::ClubHolesOnServer clubHoles(server, StreamSeed(seed, kHoleStream));
        const demo::HolesOfClub holesOf =
            [&](const orvane::CourseNode& club) -> const demo::ClubHoles& {
            return clubHoles.HolesOf(club);
        };
        for (std::size_t i = 0; i < devices.size(); ++i) {
            demo::DemoRandom picks(
                StreamSeed(seed, kFirstDeviceStream + static_cast<std::uint32_t>(i)));
            const auto stored = demo::PickDeviceCourses(picks, catalogue);
            demo::WriteDeviceCourses(folders[i], devices[i], stored);
            // First-generation devices keep no round records.
            if (devices[i].modelCode != orvane::kFirstGenerationModel) {
                demo::DemoRandom rounds(
                    StreamSeed(seed, kFirstRoundStream + static_cast<std::uint32_t>(i)));
                demo::WriteDeviceRounds(folders[i], demo::GenerateRounds(rounds, stored, holesOf));
            }
            std::cout << folders[i].string() << '\n';
        }
        std::cout << server.string() << '\n';
    } catch (const std::exception& error) {
        std::cerr << "orvane-demo-data: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
