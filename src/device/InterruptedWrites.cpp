#include "device/InterruptedWrites.h"

#include <string>
#include <system_error>

#include "util/TemporaryFiles.h"

namespace orvane {
namespace {

// Map folders are "<course folder>/<6 digits>/<2 digits>".
constexpr int kMapFolderDepth = 2;

int RemoveIn(const std::filesystem::path& folder, int depth) {
    std::error_code error;
    // A folder that is a link leads off the device; it is left alone.
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(folder, error))) return 0;
    return RemoveTemporaryFiles(folder, depth);
}

}  // namespace

int RemoveInterruptedWrites(const DeviceLink& device, const std::filesystem::path& workFolder) {
    int removed = workFolder.empty() ? 0 : RemoveIn(workFolder, 0);
    if (device.DeviceRoot.empty()) return removed;
    const std::filesystem::path& root = device.DeviceRoot;
    removed += RemoveIn(root / "System", 0);
    removed += RemoveIn(root / "ClubList", 0);
    removed += RemoveIn(root / "Cour107", kMapFolderDepth);
    if (device.CourseFolder != "Cour107" && !device.CourseFolder.empty())
        removed += RemoveIn(root / device.CourseFolder, kMapFolderDepth);
    return removed;
}

}  // namespace orvane
