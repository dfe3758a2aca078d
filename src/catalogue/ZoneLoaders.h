#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/CatalogueContext.h"

namespace orvane {

// The bytes of a zone's server lists as this run fetched them into the
// working folder; a list it did not fetch is read from the folder, where an
// earlier run may have left it.
struct FetchedZone {
    std::optional<std::string> clubList;
    // First-generation devices only.
    std::optional<std::string> aliasList;
};

// Parses the zone's server club list (and, for a first-generation device, its
// alias list) into CatalogueList, deleting the working folder's files.
// A missing file leaves the zone's catalogue as it was.
void LoadCatalogueZone(CatalogueContext& context, int zone, FetchedZone fetched = {});

// First-generation devices: the zone's server reference list into
// ReferenceList, deleting the working folder's file.
void LoadReferenceZone(CatalogueContext& context, int zone,
                       std::optional<std::string> fetched = std::nullopt);

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
