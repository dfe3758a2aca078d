#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/CatalogueContext.h"
#include "catalogue/CourseNode.h"

namespace orvane {

// Stages of a device read; a failure adds the errno to its stage.
inline constexpr int kOpenFailed = 10000;
inline constexpr int kEmptyFile = 20000;
inline constexpr int kReadFailed = 30000;

// Larger writes show their progress piece by piece.
inline constexpr std::size_t kWritePiece = 12288;
// Space a write leaves free on the device.
inline constexpr std::uint32_t kFreeSpaceMargin = 4096;

struct DeviceFileRead {
    std::string bytes;
    // 0, or the errno plus the stage that failed.
    int code = 0;
};

// Reads the device file `name` (of `course`, for a map) whole.
DeviceFileRead ReadDeviceFile(DeviceLink& device, const CourseNode* course, std::string_view name);

// Reads a device file and keeps it where its kind belongs: the version text,
// or a zone's club list in DeviceText. Returns 0, 1 for a club list of no
// zone, 2 when the file could not be read.
int LoadDeviceFile(CatalogueContext& context, const CourseNode* course, std::string_view name);

// Writes `bytes` to the device file at `path`, with progress for larger
// files. Returns 0, or 2 when the device is short of space or the write
// failed (the old file then stays as it was).
int WriteDeviceFile(DeviceLink& device, Ui& ui, const std::filesystem::path& path,
                    std::string_view bytes);

struct PutResult {
    // 0 done; 1 a club list of no zone; 2 the write failed; 5 the fetch failed.
    int code = 0;
    // For a course map: the bytes fetched into the working folder.
    std::uint64_t fetchedLength = 0;
};

// Produces the device file `name`: a zone's club list from DeviceText, or a
// course map of `course`, which is fetched into the working folder (copying
// it to the device is the transfer's work).
PutResult PutDeviceFile(CatalogueContext& context, const CourseNode* course, std::string_view name);

// The server folder of a course's map, "Download//<folder>//%06d//%02d".
std::string ServerMapFolder(const DeviceLink& device, std::int32_t courseId);

}  // namespace orvane
