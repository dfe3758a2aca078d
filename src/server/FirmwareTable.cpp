#include "server/FirmwareTable.h"

#include <cstring>

#include "catalogue/ClubListText.h"
#include "util/Scan.h"

namespace orvane {
namespace {

// The table's fields hold 64 characters with their terminator.
constexpr std::size_t kFieldLength = 63;

// strncmp over 8 characters: equal texts, or equal up to where both end.
bool AgreeInFirstEight(std::string_view a, std::string_view b) {
    return a.substr(0, 8) == b.substr(0, 8);
}

}  // namespace

std::vector<FirmwareRow> ParseFirmwareTable(const std::string& text) {
    std::vector<FirmwareRow> rows;
    std::size_t position = 0;
    do {
        FirmwareRow row;
        ScanReader reader(text, position);
        reader.Token(row.hardwareVersion, kFieldLength);
        reader.Token(row.folder, kFieldLength);
        rows.push_back(std::move(row));
        position = SkipTokens(text, position, 2, text.size());
    } while (position + 4 < text.size() && rows.size() < kMaxFirmwareRows);
    return rows;
}

const FirmwareRow* FindFirmwareRow(const std::vector<FirmwareRow>& table,
                                   std::string_view hardwareVersion) {
    for (const FirmwareRow& row : table) {
        if (AgreeInFirstEight(row.hardwareVersion, hardwareVersion)) return &row;
    }
    return nullptr;
}

}  // namespace orvane
