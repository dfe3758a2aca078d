#pragma once

#include <filesystem>
#include <vector>

#include "device/DeviceLink.h"
#include "device/DiscoveryRules.h"
#include "device/VolumeSource.h"

namespace orvane {

// Tries every candidate volume by the discovery rules in order and accepts the
// first whose version file reads as this family's. Returns true when a device
// is known afterwards: the accepted candidate, or a picked folder that no
// candidate has replaced.
bool FindDevice(DeviceLink& link, VolumeSource& source);

// The person named the device's folder by hand: any folder can stand in for
// a device. Returns false, changing nothing, for an empty path.
bool PickDeviceRoot(DeviceLink& link, const std::filesystem::path& folder);

struct VolumeSurvey {
    VolumeCandidate candidate;
    std::vector<DiscoveryRule> rules;
    // ReadVersionFile's result for the volume; only meaningful with rules.
    int versionResult;
};

// What discovery would make of each volume, without touching `link`.
std::vector<VolumeSurvey> SurveyVolumes(VolumeSource& source);

}  // namespace orvane
