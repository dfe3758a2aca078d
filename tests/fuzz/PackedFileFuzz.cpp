// The packed record file: any bytes unpack safely, and any text packs to a
// file that unpacks to that text.
#include "FuzzSupport.h"
#include "records/PackedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    const std::string bytes = fuzz::Text(data, size);
    UnpackBytes(bytes);
    const std::string text = bytes.substr(0, bytes.find('\0'));
    if (const std::optional<std::string> packed = PackBytes(text)) {
        fuzz::Require(UnpackBytes(*packed) == std::optional<std::string>(text), "round trip");
    }
    return 0;
}
