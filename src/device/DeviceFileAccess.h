#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "device/DeviceLink.h"

namespace orvane {

// A device volume holds only folders and regular files. Anything else found
// below its root (a symbolic link, a pipe, a socket, a device node) is not the
// device's own and is refused: a link is never followed, a special file never
// opened for a read that could block for ever.

// Device files are read whole; none of the device's own comes near this, and
// a larger one would cost memory for nothing.
inline constexpr std::uint64_t kLargestDeviceFile = 16ULL << 20;

// An open file descriptor, closed with the object. Closing keeps errno, which
// tells why an open failed.
class DeviceFile {
public:
    explicit DeviceFile(int fd = -1) : fd_(fd) {}
    ~DeviceFile();
    DeviceFile(DeviceFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    DeviceFile& operator=(DeviceFile&& other) noexcept;
    DeviceFile(const DeviceFile&) = delete;
    DeviceFile& operator=(const DeviceFile&) = delete;

    bool open() const { return fd_ >= 0; }
    int get() const { return fd_; }

private:
    void Close();

    int fd_;
};

// Takes the file system that now holds the device root as the device's.
void RememberDeviceVolume(DeviceLink& link);

// False, with errno ENODEV, when the device root is no longer on the file
// system it was read from (the device was unplugged and its mount point is
// left), or cannot be reached at all.
bool DeviceVolumePresent(const DeviceLink& link);

// Opens the regular file `relativePath` ('/' separated) below the device root
// for reading. On failure the result is not open and errno tells why: ENODEV
// for a device that is gone, ELOOP for a symbolic link on the way, ENOTDIR
// for a file where a folder belongs, EISDIR for a folder, EINVAL for any
// other special file, EFBIG for a file over kLargestDeviceFile.
DeviceFile OpenDeviceFile(const DeviceLink& link, std::string_view relativePath);

// 0 when every level from the device root down to the folder of `target` is
// a real folder, so that writing `target` stays on the device; else the errno
// as OpenDeviceFile gives it. A target outside the root is refused with EXDEV.
int CheckDeviceFolders(const DeviceLink& link, const std::filesystem::path& target);

}  // namespace orvane
