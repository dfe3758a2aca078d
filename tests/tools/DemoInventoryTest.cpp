#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <stdexcept>
#include <tuple>

#include "DemoCatalogue.h"
#include "DemoDevices.h"
#include "DemoInventory.h"
#include "DemoServer.h"
#include "catalogue/Classification.h"
#include "catalogue/ZoneLoaders.h"
#include "device/VersionFile.h"
#include "support/CatalogueFixture.h"
#include "util/TextDecoding.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kSeed = 42;

demo::DemoDevice FamilyOf(int modelCode) {
    demo::DemoRandom random(kSeed);
    for (const demo::DemoDevice& device : demo::DemoDeviceFamilies(random))
        if (device.modelCode == modelCode) return device;
    throw std::logic_error("no demo device of that model");
}

// The bounds are what first-generation records are matched by.
bool IsAscii(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

auto Fields(const CourseNode& c) {
    return std::tie(c.name, c.title, c.shortKey, c.id, c.version, c.minLat, c.maxLat, c.minLon,
                    c.maxLon);
}

TEST(DemoDevices, EveryFamilyReadsBackAsItsModel) {
    demo::DemoRandom random(kSeed);
    for (const demo::DemoDevice& family : demo::DemoDeviceFamilies(random)) {
        DeviceLink link;
        EXPECT_EQ(ApplyVersionText(link, family.versionText), 0) << family.folderName;
        EXPECT_EQ(link.ModelCode, family.modelCode) << family.folderName;
    }
}

// A demo device connected the way the manager connects: the server's files
// fetched into the working folder and loaded, the device's lists loaded, the
// courses classified.
class DemoInventory : public testing::CatalogueFixture {
protected:
    void Connect(int modelCode) {
        const demo::DemoDevice family = FamilyOf(modelCode);
        ASSERT_EQ(ApplyVersionText(device_, family.versionText), 0);
        demo::DemoRandom picks(kSeed);
        stored_ = demo::PickDeviceCourses(picks, catalogue_);
        demo::WriteDeviceCourses(deviceFolder_.path(), family, stored_);
        const fs::path download =
            demo::WriteServerTree(serverFolder_.path(), catalogue_) / "Download";

        const bool firstGeneration = modelCode == kFirstGenerationModel;
        for (int zone = 0; zone < kZoneCount; ++zone) {
            const std::string name(ZoneTable[static_cast<std::size_t>(zone)].catalogueName);
            Fetch(download / device_.CourseFolder / name, name);
            if (firstGeneration) Fetch(download / "Cour107" / ("_" + name), "_" + name);
            LoadCatalogueZone(context_, zone);
            if (!firstGeneration) continue;
            // The reference list has the catalogue list's name; the loader took that away.
            Fetch(download / "Cour107" / name, name);
            LoadReferenceZone(context_, zone);
        }
        for (int zone = 0; zone < kZoneCount; ++zone) LoadDeviceZone(context_, zone);
        ClassifyCourses(data_);
        if (firstGeneration) CheckDeviceMaps(device_, data_);
    }

    void Fetch(const fs::path& from, const std::string& name) {
        ASSERT_TRUE(fs::is_regular_file(from)) << from;
        fs::copy_file(from, workFolder_.path() / name, fs::copy_options::overwrite_existing);
    }

    // The server's lists read back as generated. The device holds every course
    // as the catalogue has it, some older: each is found, the older ones marked
    // for update and the rest stored.
    void ExpectEveryCourseRecognised() {
        for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
            const auto& catalogue = data_.CatalogueList[zone];
            ASSERT_EQ(catalogue.size(), catalogue_.zones[zone].size()) << "zone " << zone;
            ASSERT_EQ(data_.DeviceList[zone].size(), stored_[zone].size()) << "zone " << zone;
            // Records come back under their catalogue names, long ones through their aliases.
            for (std::size_t i = 0; i < stored_[zone].size(); ++i)
                EXPECT_EQ(data_.DeviceList[zone][i].name, stored_[zone][i].name);
            std::size_t next = 0;
            for (std::size_t i = 0; i < catalogue.size(); ++i) {
                const CourseNode& server = catalogue[i];
                // The Korean zone's titles come as a Windows tool writes them.
                CourseNode shown = server;
                shown.title = DisplayText(server.title);
                EXPECT_EQ(IsValidUtf8(server.title), zone != 0 || IsAscii(server.title))
                    << server.title;
                EXPECT_EQ(Fields(shown), Fields(catalogue_.zones[zone][i])) << "as generated";
                const bool held =
                    next < stored_[zone].size() && stored_[zone][next].name == server.name;
                const Mark expected = !held                                          ? Mark::New
                                      : stored_[zone][next].version < server.version ? Mark::Updated
                                                                                     : Mark::Stored;
                EXPECT_EQ(server.mark, expected) << server.name << " in zone " << zone;
                if (held) ++next;
            }
        }
        EXPECT_TRUE(shell_.questions().empty());
    }

    demo::DemoCatalogue catalogue_ = demo::GenerateCatalogue(kSeed, 800);
    PerZone<std::vector<CourseNode>> stored_;
    testing::TempFolder serverFolder_;
};

TEST_F(DemoInventory, TextModelIsRecognisedCourseByCourse) {
    Connect(3);
    ExpectEveryCourseRecognised();
}

TEST_F(DemoInventory, FirstGenerationModelMatchesEveryRecordAndKeepsItsMaps) {
    Connect(kFirstGenerationModel);
    ExpectEveryCourseRecognised();
}

}  // namespace
}  // namespace orvane
