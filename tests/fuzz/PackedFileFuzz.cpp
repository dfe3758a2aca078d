// The packed record file: any bytes unpack safely, and a text packs to a file
// that unpacks to that text.
#include "FuzzSupport.h"
#include "records/PackedFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    const std::string bytes = fuzz::Text(data, size);
    UnpackBytes(bytes);
    const std::string text = bytes.substr(0, bytes.find('\0'));
    // A text of one byte value packs to codes of no bits, which the format
    // cannot bring back; every other text must come back as it was.
    const bool twoValues =
        text.find_first_not_of(text.empty() ? '\0' : text[0]) != std::string::npos;
    if (const std::optional<std::string> packed = PackBytes(text); packed && twoValues) {
        fuzz::Require(UnpackBytes(*packed) == std::optional<std::string>(text), "round trip");
    }
    return 0;
}
