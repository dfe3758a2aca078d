// The kernel's mount table, /proc/self/mountinfo.
#include "FuzzSupport.h"
#include "platform/MountTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    const std::vector<MountEntry> table = ParseMountInfo(fuzz::Text(data, size));
    for (const MountEntry& entry : table) MountPointOf(table, entry.major, entry.minor);
    MountPointOf(table, 8, 1);
    return 0;
}
