#include "DemoInventory.h"

#include "DemoClubLists.h"
#include "DemoFiles.h"
#include "catalogue/ZoneTable.h"
#include "device/DevicePaths.h"
#include "device/VersionFile.h"
#include "util/Text.h"

namespace orvane::demo {
namespace {

constexpr int kLowestVersion = 100;

// The map the device got before the server's last update; a course still at
// the first version has none older and stays current.
void MakeOlder(DemoRandom& random, CourseNode& course) {
    const int hundredths = static_cast<int>(course.version * 100 + 0.5);
    if (hundredths <= kLowestVersion) return;
    course.version = random.Between(kLowestVersion, hundredths - 1) / 100.0;
}

// Stands in for a course map until demo maps exist: the map check only asks
// whether the file is there.
std::string MapStandIn(const CourseNode& course) {
    return Format("demo map %s %08d\r\n", course.name.c_str(), course.id);
}

}  // namespace

PerZone<std::vector<CourseNode>> PickDeviceCourses(DemoRandom& random,
                                                   const DemoCatalogue& catalogue,
                                                   InventoryShares shares) {
    PerZone<std::vector<CourseNode>> stored;
    for (std::size_t zone = 0; zone < kZoneCount; ++zone) {
        for (const CourseNode& course : catalogue.zones[zone]) {
            if (random.Below(100) >= static_cast<std::uint32_t>(shares.storedPercent)) continue;
            CourseNode copy = course;
            if (random.Below(100) < static_cast<std::uint32_t>(shares.outdatedPercent))
                MakeOlder(random, copy);
            stored[zone].push_back(std::move(copy));
        }
    }
    return stored;
}

void WriteDeviceCourses(const std::filesystem::path& root, const DemoDevice& device,
                        const PerZone<std::vector<CourseNode>>& stored) {
    // The manager's own reading of the version file decides the layout.
    DeviceLink link;
    link.DeviceRoot = root;
    ApplyVersionText(link, device.versionText);
    const bool firstGeneration = link.ModelCode == kFirstGenerationModel;

    for (int zone = 0; zone < kZoneCount; ++zone) {
        const std::vector<CourseNode>& courses = stored[static_cast<std::size_t>(zone)];
        if (courses.empty()) continue;
        const std::string listPath = DevicePathFor(link, DeviceClubListName(zone, link.ModelCode));
        WriteDemoFile(DeviceFilePath(link, listPath), DeviceClubList(courses, link.ModelCode));
        if (!firstGeneration) continue;
        for (const CourseNode& course : courses) {
            const std::string mapPath =
                CourseMapFolder(link, course.id) + "/" + FirstGenerationKey(course) + ".dat";
            WriteDemoFile(DeviceFilePath(link, mapPath), MapStandIn(course));
        }
    }
}

}  // namespace orvane::demo
