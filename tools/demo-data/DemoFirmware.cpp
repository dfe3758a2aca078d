#include "DemoFirmware.h"

#include "DemoFiles.h"
#include "DemoMaps.h"

namespace orvane::demo {
namespace {

constexpr std::size_t kImageBytes = 512 * 1024;

// "V6.1.3Us V4.3.0Us" offered as "V6.1.4Us V4.3.0Us".
std::string NewerSoftware(std::string versionText) {
    char& digit = versionText.at(5);
    digit = digit == '9' ? '0' : static_cast<char>(digit + 1);
    return versionText;
}

}  // namespace

void WriteFirmwareTree(const std::filesystem::path& server, const std::vector<DemoDevice>& devices,
                       DemoRandom& random) {
    const auto download = server / "Download";
    WriteDemoFile(download / "Downloader" / "manager_ver.txt",
                  "버전: V3.25\r\n최신 관리 프로그램입니다.\r\n");
    WriteDemoFile(download / "Downloader" / "manager_ver_e.txt",
                  "Version: V3.25\r\nThis is the latest manager.\r\n");
    std::string table;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        const DemoDevice& device = devices[i];
        const std::string hardware = device.versionText.substr(9, 8);
        const std::string folder = "FW_" + hardware;
        table += hardware + " " + folder + "\r\n";
        const bool offerUpgrade = i + 1 == devices.size();
        const auto location = download / "Firmware" / folder;
        WriteDemoFile(location / "Ver.ini",
                      (offerUpgrade ? NewerSoftware(device.versionText) : device.versionText) +
                          "\r\n");
        WriteDemoFile(location / "Zandrel.bin", PlausibleBytes(random, "ORVANE-FIRMWARE", kImageBytes));
    }
    WriteDemoFile(download / "Firmware" / "TEKRA_Table.txt", table);
}

}  // namespace orvane::demo
