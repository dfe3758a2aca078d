#include "util/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "util/TemporaryFiles.h"

namespace orvane {

bool IsSafeFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target, Durability durability)
    : target_(std::move(target)), durability_(durability) {}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

bool AtomicFileWriter::Fail() {
    error_ = errno;
    return false;
}

bool AtomicFileWriter::Open() {
    std::string pattern =
        (target_.parent_path() / TemporaryNamePattern(target_.filename().string())).string();
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return Fail();
    temporary_ = pattern;
    // mkstemp makes the file private; the file it replaces was not.
    ::fchmod(fd_, 0644);
    return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written == 0 ? (errno = ENOSPC, Fail()) : Fail();
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (durability_ == Durability::Flushed && ::fsync(fd_) != 0) return Fail();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail();
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return Fail();
    temporary_.clear();
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes, int* error,
                         Durability durability) {
    AtomicFileWriter writer(target, durability);
    const bool written = writer.Open() && writer.Write(bytes) && writer.Commit();
    if (!written && error != nullptr) *error = writer.error();
    return written;
}

}  // namespace orvane
