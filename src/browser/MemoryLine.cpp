#include "browser/MemoryLine.h"

#include "util/Text.h"

namespace orvane {

std::int32_t RemainingMapCount(std::uint32_t freeBytes, int modelCode) {
    struct Estimate {
        std::uint32_t reserve;
        std::uint32_t bytesPerMap;
    };
    const Estimate estimate = modelCode == kFirstGenerationModel ? Estimate{277504, 1500}
                              : modelCode == 3                   ? Estimate{1048576, 6500}
                                                                 : Estimate{4194304, 50000};
    // Below the reserve the unsigned difference would wrap into a huge count.
    if (freeBytes < estimate.reserve) return 0;
    return static_cast<std::int32_t>((freeBytes - estimate.reserve) / estimate.bytesPerMap);
}

std::string MemoryLine(const DeviceLink& device, std::int32_t remainingMaps, Language language) {
    const char* label = language == Language::Korean ? "[남은 저장 공간(골프장갯수)]: "
                                                     : "[Remained Memory Space(Map Count)]: ";
    if (device.HardwareVersion.empty()) return std::string(label) + "_____";
    return label + std::to_string(remainingMaps);
}

}  // namespace orvane
