#include "device/Discovery.h"

#include "device/VersionFile.h"
#include "shell/ResultCode.h"

namespace orvane {

bool FindDevice(DeviceLink& link, VolumeSource& source) {
    const auto candidates = source.ListVolumes();
    if (!candidates) return false;
    for (const VolumeCandidate& candidate : *candidates) {
        for (DiscoveryRule rule : kDiscoveryRules) {
            if (!RuleAccepts(rule, candidate.instanceId)) continue;
            link.DeviceRoot = candidate.devicePath;
            link.DeviceRootPicked = false;
            if (ReadVersionFile(link) == result::Ok) return true;
            link.DeviceRoot.clear();
        }
    }
    return link.DeviceRootPicked && !link.DeviceRoot.empty();
}

bool PickDeviceRoot(DeviceLink& link, const std::filesystem::path& folder) {
    if (folder.empty()) return false;
    link.DeviceRoot = folder;
    link.DeviceRootPicked = true;
    return true;
}

std::vector<VolumeSurvey> SurveyVolumes(VolumeSource& source) {
    std::vector<VolumeSurvey> survey;
    for (VolumeCandidate& candidate : source.ListVolumes().value_or(std::vector<VolumeCandidate>{})) {
        std::vector<DiscoveryRule> rules = RulesAccepting(candidate.instanceId);
        DeviceLink scratch;
        scratch.DeviceRoot = candidate.devicePath;
        const int versionResult = rules.empty() ? result::Failed : ReadVersionFile(scratch);
        survey.push_back({std::move(candidate), std::move(rules), versionResult});
    }
    return survey;
}

}  // namespace orvane
