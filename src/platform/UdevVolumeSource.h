#pragma once

#include <filesystem>

#include "device/VolumeSource.h"
#include "platform/MountTable.h"

namespace orvane {

// The mounted USB storage volumes udev knows of, each named by the instance
// identifier the discovery rules read. Volumes that are not mounted are left
// out: there are no files to reach on them.
class UdevVolumeSource : public VolumeSource {
public:
    // `mountInfoPath` is a file in /proc/self/mountinfo's format.
    explicit UdevVolumeSource(std::filesystem::path mountInfoPath = kSelfMountInfo);

    // Nothing when udev or the mount table cannot be read.
    std::optional<std::vector<VolumeCandidate>> ListVolumes() override;

private:
    std::filesystem::path mountInfoPath_;
};

}  // namespace orvane
