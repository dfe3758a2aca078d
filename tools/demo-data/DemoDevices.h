#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "DemoRandom.h"

namespace orvane::demo {

struct DemoDevice {
    std::string folderName;  // e.g. "model9-us"
    int modelCode;
    std::string versionText;  // the first line of System/Ver.ini
};

// One plausible device of each model family.
std::vector<DemoDevice> DemoDeviceFamilies(DemoRandom& random);

// Writes <out>/devices/<folderName>/System/Ver.ini for each device; returns
// the device folders.
std::vector<std::filesystem::path> WriteDemoDevices(const std::filesystem::path& out,
                                                    const std::vector<DemoDevice>& devices);

}  // namespace orvane::demo
