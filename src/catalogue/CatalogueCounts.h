#pragma once

#include "catalogue/CatalogueData.h"

namespace orvane {

struct GroupCounts {
    int total = 0;
    int added = 0;     // marked New
    int modified = 0;  // marked Updated
};

// The catalogue counted by group. Europe (zones 22 to 27) is in no group.
struct CatalogueCountsResult {
    GroupCounts korea;     // zone 0
    GroupCounts overseas;  // zones 1, 2, 3, 20, 21 and zone 4 but three families
    GroupCounts usa;       // zones 5 to 19

    // Catalogue courses the device is expected to hold.
    int ExpectedOnDevice() const {
        return korea.total + overseas.total + usa.total - korea.added - overseas.added - usa.added;
    }
};

CatalogueCountsResult CatalogueCounts(const CatalogueData& data);

}  // namespace orvane
