#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvane {

inline constexpr std::string_view kInitialDeviceVersionLine =
    "Device Version(SW/HW): __._.___ / __._.___";

// What the program knows of the one device at a time: where its volume is and
// what its version file decided.
struct DeviceLink {
    // Empty while no device is known.
    std::filesystem::path DeviceRoot;
    // True while DeviceRoot is a folder the person picked and no discovered
    // candidate has replaced it since.
    bool DeviceRootPicked = false;

    // The first 19 bytes of System/Ver.ini, up to a zero byte.
    std::string VersionText;
    std::string SoftwareVersion;
    std::string HardwareVersion;
    std::string MarketCode;
    // 0 until a version file has been read; 4 is the first-generation layout.
    int ModelCode = 0;
    std::string CourseFolder = "Course_V40";
    std::string DeviceVersionLine{kInitialDeviceVersionLine};
    // errno of the last failed device file operation; nothing clears it.
    std::uint32_t LastDeviceError = 0;
    // The file system the version file was read from, 0 before. A device
    // that vanished leaves its mount point behind on another file system,
    // which must never be taken for the device.
    std::uint64_t DeviceVolumeId = 0;
};

inline constexpr int kFirstGenerationModel = 4;

}  // namespace orvane
