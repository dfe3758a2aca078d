#include "device/DeviceFileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvane {
namespace {

// The levels of `relative`, or nothing (errno EXDEV) when one of them would
// climb out of the root.
bool SplitLevels(const std::filesystem::path& relative, std::vector<std::string>& levels) {
    for (const auto& level : relative) {
        const std::string name = level.string();
        if (name.empty() || name == ".") continue;
        if (name == ".." || level.is_absolute()) {
            errno = EXDEV;
            return false;
        }
        levels.push_back(name);
    }
    return true;
}

// A failed open of `name` in `folder`: ELOOP when it is a symbolic link, so
// that the message names the real reason rather than ENOTDIR.
void ExplainRefusal(int folder, const std::string& name) {
    const int error = errno;
    struct stat info {};
    const bool link =
        ::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(info.st_mode);
    errno = link ? ELOOP : error;
}

bool SameVolume(const DeviceLink& link, const struct stat& root) {
    if (link.DeviceVolumeId == 0 || static_cast<std::uint64_t>(root.st_dev) == link.DeviceVolumeId)
        return true;
    errno = ENODEV;
    return false;
}

// Descends through `levels` from the root, following no link; the result is
// the last folder reached, or not open with errno set.
DeviceFile OpenFolders(const DeviceLink& link, const std::vector<std::string>& levels) {
    DeviceFile folder(::open(link.DeviceRoot.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat root {};
    if (folder.open() && (::fstat(folder.get(), &root) != 0 || !SameVolume(link, root)))
        return DeviceFile();
    for (const std::string& level : levels) {
        if (!folder.open()) break;
        const int next =
            ::openat(folder.get(), level.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            ExplainRefusal(folder.get(), level);
            return DeviceFile();
        }
        folder = DeviceFile(next);
    }
    return folder;
}

}  // namespace

void DeviceFile::Close() {
    if (fd_ < 0) return;
    const int error = errno;
    ::close(fd_);
    errno = error;
}

DeviceFile::~DeviceFile() { Close(); }

DeviceFile& DeviceFile::operator=(DeviceFile&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

DeviceFile OpenDeviceFile(const DeviceLink& link, std::string_view relativePath) {
    std::vector<std::string> levels;
    if (!SplitLevels(std::filesystem::path(relativePath), levels)) return DeviceFile();
    if (levels.empty()) {
        errno = EISDIR;
        return DeviceFile();
    }
    const std::string name = levels.back();
    levels.pop_back();
    const DeviceFile folder = OpenFolders(link, levels);
    if (!folder.open()) return DeviceFile();
    // Without O_NONBLOCK the open of a pipe would wait for a writer.
    DeviceFile file(
        ::openat(folder.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.open()) {
        ExplainRefusal(folder.get(), name);
        return DeviceFile();
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return DeviceFile();
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return DeviceFile();
    }
    if (static_cast<std::uint64_t>(info.st_size) > kLargestDeviceFile) {
        errno = EFBIG;
        return DeviceFile();
    }
    return file;
}

int CheckDeviceFolders(const DeviceLink& link, const std::filesystem::path& target) {
    const std::filesystem::path relative =
        target.lexically_normal().parent_path().lexically_relative(
            link.DeviceRoot.lexically_normal());
    if (relative.empty() || *relative.begin() == "..") return EXDEV;
    std::vector<std::string> levels;
    if (!SplitLevels(relative, levels)) return errno;
    return OpenFolders(link, levels).open() ? 0 : errno;
}

void RememberDeviceVolume(DeviceLink& link) {
    struct stat root {};
    if (::stat(link.DeviceRoot.c_str(), &root) == 0)
        link.DeviceVolumeId = static_cast<std::uint64_t>(root.st_dev);
}

bool DeviceVolumePresent(const DeviceLink& link) {
    struct stat root {};
    return ::stat(link.DeviceRoot.c_str(), &root) == 0 && SameVolume(link, root);
}

}  // namespace orvane
