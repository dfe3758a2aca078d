#include "DemoDevices.h"

#include <fstream>
#include <stdexcept>

#include "util/Text.h"

namespace orvane::demo {
namespace {

struct Family {
    int modelCode;
    const char* market;
    // printf formats with one digit to vary: software, then hardware version.
    const char* software;
    const char* hardware;
};

constexpr Family kFamilies[] = {
    {1, "Kr", "V3.1.%d", "V3.5.%d"}, {2, "Kr", "V4.1.%d", "V4.0.0"},
    {3, "Kr", "V4.1.%d", "V4.2.0"},  {4, "Kr", "V2.5.%d", "V2.5.%d"},
    {5, "Jp", "V4.1.%d", "V4.0.1"},  {6, "Kr", "V5.0.%d", "V5.0.%d"},
    {7, "Kr", "V5.1.%d", "V4.2.5"},  {8, "Kr", "V5.2.%d", "V4.3.0"},
    {9, "Us", "V6.1.%d", "V4.3.0"},
};

std::string Lowered(std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return text;
}

}  // namespace

std::vector<DemoDevice> DemoDeviceFamilies(DemoRandom& random) {
    std::vector<DemoDevice> devices;
    for (const Family& family : kFamilies) {
        const int digit = random.Between(0, 9);
        const std::string software = Format(family.software, digit) + family.market;
        const std::string hardware = Format(family.hardware, digit) + family.market;
        devices.push_back({Format("model%d-%s", family.modelCode, Lowered(family.market).c_str()),
                           family.modelCode, software + " " + hardware});
    }
    return devices;
}

std::vector<std::filesystem::path> WriteDemoDevices(const std::filesystem::path& out,
                                                    const std::vector<DemoDevice>& devices) {
    std::vector<std::filesystem::path> folders;
    for (const DemoDevice& device : devices) {
        const auto root = out / "devices" / device.folderName;
        std::filesystem::create_directories(root / "System");
        std::filesystem::create_directories(root / "UserData");
        std::ofstream version(root / "System" / "Ver.ini", std::ios::binary | std::ios::trunc);
        // The device writes its build date after the two tokens; readers ignore it.
        version << device.versionText << "\r\n2026-11-20\r\n";
        if (!version)
            throw std::runtime_error("cannot write " + (root / "System/Ver.ini").string());
        folders.push_back(root);
    }
    return folders;
}

}  // namespace orvane::demo
