#pragma once

#include "catalogue/CatalogueContext.h"

namespace orvane {

// Rebuilds the device club list of `zone` from the catalogue (New courses
// left out, Updated ones with the device's id and version, whose map is still
// the old one) and writes it to the device. Returns PutDeviceFile's result.
int SaveDeviceZone(CatalogueContext& context, int zone);

}  // namespace orvane
