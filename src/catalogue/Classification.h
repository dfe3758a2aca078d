#pragma once

#include <functional>

#include "catalogue/CatalogueData.h"
#include "device/DeviceLink.h"

namespace orvane {

// Settles the alias names of both sides, then marks every catalogue course
// against the device's list of its zone: Stored, New (not on the device) or
// Updated (the server's version is newer).
void ClassifyCourses(CatalogueData& data);

// First-generation devices: a device course whose map file is missing leaves
// DeviceList, and its catalogue course becomes New. `afterEachCourse` runs
// after each device course is looked at, so that progress can be shown.
void CheckDeviceMaps(const DeviceLink& device, CatalogueData& data,
                     const std::function<void()>& afterEachCourse = {});

}  // namespace orvane
