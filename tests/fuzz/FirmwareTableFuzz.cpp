// The server's firmware table.
#include "FuzzSupport.h"
#include "server/FirmwareTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    const std::vector<FirmwareRow> table = ParseFirmwareTable(fuzz::Text(data, size));
    fuzz::Require(!table.empty() && table.size() <= kMaxFirmwareRows, "row count");
    for (const char* hardware : {"V4.2.0KR", "V2.5.0US", "", "V4.3.0JP01"})
        FindFirmwareRow(table, hardware);
    return 0;
}
