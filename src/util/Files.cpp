#include "util/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace orvane {

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    // Non-blocking, so that a pipe under the name is refused, not waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // Sized once from the file's length; a file that grows meanwhile is
        // read on to its end.
        std::string buffer(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t filled = 0;
        for (;;) {
            if (filled == buffer.size()) buffer.resize(buffer.size() * 2);
            const ssize_t got = ::read(fd, buffer.data() + filled, buffer.size() - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) {
                if (got == 0) {
                    buffer.resize(filled);
                    bytes = std::move(buffer);
                }
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
    }
    const int savedErrno = errno;
    ::close(fd);
    errno = savedErrno;
    return bytes;
}

}  // namespace orvane
