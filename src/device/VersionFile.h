#pragma once

#include <string_view>

#include "device/DeviceLink.h"

namespace orvane {

// Bytes of System/Ver.ini that carry the two version tokens.
inline constexpr std::size_t kVersionTextLength = 19;
inline constexpr std::size_t kHardwareVersionOffset = 9;

struct ModelInfo {
    int modelCode;
    std::string_view courseFolder;
};

// The model row for a hardware version (first matching prefix wins).
ModelInfo ModelFor(std::string_view hardwareVersion, std::string_view softwareVersion);

// Reads System/Ver.ini of link.DeviceRoot. Returns result::Ok for a device of
// this family, result::Failed when the file cannot be read or is empty, and
// result::Rejected for a software version of another family.
int ReadVersionFile(DeviceLink& link);

// The main window's version line from the versions last read.
void UpdateDeviceVersionLine(DeviceLink& link);

// Takes a version text (its first 19 bytes at most) as ReadVersionFile does.
int ApplyVersionText(DeviceLink& link, std::string_view text);

}  // namespace orvane
