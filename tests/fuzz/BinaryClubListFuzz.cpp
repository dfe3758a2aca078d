// The first-generation device's binary club list, recognised against the
// server's alias list, reference list and text catalogue.
#include "FuzzSupport.h"
#include "catalogue/BinaryClubList.h"
#include "catalogue/ClubListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::SilentShell shell;
    Ui ui(shell, Language::Korean);
    // Aliases, references, catalogue, then the device's binary list.
    const auto parts = fuzz::Parts(fuzz::Text(data, size), 4);
    constexpr int kZone = 1;
    CatalogueData catalogue;
    catalogue.AliasList[kZone] = ParseAliasList(parts[0]);
    catalogue.ReferenceList[kZone] = ParseReferenceList(parts[1]);
    for (const ReferenceRecord& reference : catalogue.ReferenceList[kZone])
        fuzz::Require(reference.byteCount >= 0 && reference.byteCount <= 36, "reference bytes");
    catalogue.CatalogueList[kZone] =
        ParseTextClubList(parts[2], kZone, ClubListSide::Catalogue, ui);
    const std::vector<CourseNode> device = ParseBinaryClubList(parts[3], kZone, catalogue);
    // Every entry takes at least 25 bytes of the file: nothing is invented.
    fuzz::Require(device.size() <= parts[3].size() / 25 + 1, "entries per byte");
    for (const CourseNode& course : device) fuzz::Require(course.zone == kZone, "zone");
    std::string written;
    for (const CourseNode& course : device) AppendBinaryRecord(written, course);
    ParseBinaryClubList(written, kZone, catalogue);
    return 0;
}
