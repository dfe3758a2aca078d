#pragma once

#include <filesystem>
#include <vector>

#include "DemoCatalogue.h"
#include "DemoDevices.h"
#include "DemoRandom.h"

namespace orvane::demo {

struct InventoryShares {
    // Of each zone's courses, how many (in percent) the device holds...
    int storedPercent = 60;
    // ...and of those, how many still have an older map than the server's.
    int outdatedPercent = 10;
};

// The courses a device holds, zone by zone in catalogue order (the order the
// manager writes them in): copies of catalogue courses, some with an older
// version.
PerZone<std::vector<CourseNode>> PickDeviceCourses(DemoRandom& random,
                                                   const DemoCatalogue& catalogue,
                                                   InventoryShares shares = {});

// Writes the club lists of `stored` into the device folder `root` as `device`'s
// model keeps them; a first-generation device also gets a map file for each
// course, since it forgets courses whose map is missing.
void WriteDeviceCourses(const std::filesystem::path& root, const DemoDevice& device,
                        const PerZone<std::vector<CourseNode>>& stored);

}  // namespace orvane::demo
