#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// One line of the server's firmware table: a device hardware version and the
// server folder (under "Download//Firmware//") with its firmware.
struct FirmwareRow {
    std::string hardwareVersion;
    std::string folder;
};

inline constexpr std::size_t kMaxFirmwareRows = 128;

// The rows of the table text, in file order; the first row is always there,
// empty for an empty text.
std::vector<FirmwareRow> ParseFirmwareTable(const std::string& text);

// The first row for `hardwareVersion`, compared on its first 8 characters.
const FirmwareRow* FindFirmwareRow(const std::vector<FirmwareRow>& table,
                                   std::string_view hardwareVersion);

}  // namespace orvane
