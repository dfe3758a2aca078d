#include "device/DeviceVolume.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <limits>

#include "device/DeviceFileAccess.h"

namespace orvane {

std::uint32_t FreeBytes(DeviceLink& link) {
    struct statvfs volume {};
    if (::statvfs(link.DeviceRoot.c_str(), &volume) != 0) {
        link.LastDeviceError = static_cast<std::uint32_t>(errno);
        return 0;
    }
    const unsigned long long free =
        static_cast<unsigned long long>(volume.f_bavail) * volume.f_frsize;
    constexpr auto kLargest = std::numeric_limits<std::uint32_t>::max();
    return free >= kLargest ? kLargest : static_cast<std::uint32_t>(free);
}

bool EnsureFolder(DeviceLink& link, const std::filesystem::path& folder) {
    // A level that is a symbolic link could lead off the device.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    // A folder made on the mount point a vanished device left would be made
    // on the PC's own disk.
    if (errno == ENOENT && DeviceVolumePresent(link) && ::mkdir(folder.c_str(), 0777) == 0)
        return true;
    const int error = errno;
    struct stat info {};
    const bool isLink = ::lstat(folder.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
    link.LastDeviceError = static_cast<std::uint32_t>(isLink ? ELOOP : error);
    return false;
}

}  // namespace orvane
