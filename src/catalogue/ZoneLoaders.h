#pragma once

#include <string_view>

#include "catalogue/CatalogueContext.h"

namespace orvane {

// Parses the zone's server club list (and, for a first-generation device, its
// alias list) from the working folder into CatalogueList, deleting the files.
// A missing file leaves the zone's catalogue as it was.
void LoadCatalogueZone(CatalogueContext& context, int zone);

// First-generation devices: the zone's server reference list from the
// working folder into ReferenceList, deleting the file.
void LoadReferenceZone(CatalogueContext& context, int zone);

// Reads the zone's club list from the device into DeviceList; on a
// first-generation device each record is matched to the catalogue, which
// must be loaded first. A missing list empties the zone.
void LoadDeviceZone(CatalogueContext& context, int zone);

// The first catalogue course, zone 0 first, whose name (or alias, for a key
// beginning with "_") is `key`.
const CourseNode* FindCatalogueCourse(const CatalogueData& data, std::string_view key);

// The first device course, zone 0 first, named `name`.
const CourseNode* FindDeviceCourse(const CatalogueData& data, std::string_view name);

}  // namespace orvane
