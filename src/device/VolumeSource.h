#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A storage volume that may be the device.
struct VolumeCandidate {
    // Where the volume's files are reached; it becomes the device root.
    std::filesystem::path devicePath;
    // The device-instance identifier the discovery rules read, e.g.
    // "STORAGE\VOLUME\_??_USBSTOR#DISK&VEN_<vendor>&PROD_<model>&REV_<rev>#<serial>#".
    std::string instanceId;
};

// Lists the storage volumes present now.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // Nothing when the list of volumes cannot be had at all.
    virtual std::optional<std::vector<VolumeCandidate>> ListVolumes() = 0;
};

}  // namespace orvane
