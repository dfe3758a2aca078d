#pragma once

#include <vector>

#include "browser/AreaTables.h"

namespace orvane {

// The area hierarchy as one tree, for front ends that show or print all of it.
struct AreaTreeRegion {
    int tab = 0;
    TextPair label;
    // The row of a subdivided country (its code, zone, region number and
    // sub-areas); nullptr in a plain region strip.
    const RegionRow* row = nullptr;
};

struct AreaTreeCountry {
    // Tab 0 is the continent's "All" view.
    int tab = 0;
    TextPair label;
    int selection = 0;
    bool subdivided = false;
    // A subdivided country's strip has no "All" tab: tab r is row r.
    std::vector<AreaTreeRegion> regions;
};

struct AreaTreeContinent {
    int index = 0;
    TextPair label;
    int countryCount = 0;
    std::vector<AreaTreeCountry> countries;
};

std::vector<AreaTreeContinent> BuildAreaTree();

}  // namespace orvane
