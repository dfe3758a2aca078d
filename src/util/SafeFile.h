#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace orvane {

// True when `name` can be used as one file name inside a folder: not empty,
// not "." or "..", and without separators or control characters. Names that
// come from the server or the device pass here before they become paths.
bool IsSafeFileName(std::string_view name);

// How far a new file's bytes must have gone before it takes the target's name.
enum class Durability {
    // Down to the storage: an unplug or a power cut then leaves the old file
    // or the new one. Everything on the device is written so.
    Flushed,
    // Handed to the kernel only. For the working folder's files, which the
    // same run reads and deletes: a flush there would cost a connection one
    // wait for the disk per club list and protect nothing. Also for the files
    // a command writes on the PC, which no tool of their kind flushes.
    Unflushed,
};

// Writes a file under a temporary name in the target's folder and renames it
// over the target only when every byte is written (and, by default, flushed),
// so that an interruption leaves either the old file or the new one, never a
// part. Destroying an uncommitted writer removes the temporary file.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target,
                              Durability durability = Durability::Flushed);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Each returns false and keeps the errno in error() on failure.
    bool Open();
    bool Write(std::string_view bytes);
    bool Commit();

    int error() const { return error_; }

private:
    bool Fail();

    std::filesystem::path target_;
    Durability durability_;
    std::filesystem::path temporary_;
    int fd_ = -1;
    int error_ = 0;
};

// The whole write in one call.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         int* error = nullptr, Durability durability = Durability::Flushed);

}  // namespace orvane
