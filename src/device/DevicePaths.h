#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "device/DeviceLink.h"

namespace orvane {

// The path, relative to the device root and with '/' separators, under which
// the device keeps the file `name`. A name that is none of the system files is
// a course map of the course with area code `courseId`; without a course it
// has no path (empty result).
std::string DevicePathFor(const DeviceLink& link, std::string_view name,
                          std::optional<std::int32_t> courseId = std::nullopt);

// The first-generation layout numbers map folders and club-list records by a
// shortened id.
std::int32_t FirstGenerationMapNumber(std::int32_t id);

// The map folder of a course, relative to the device root ("Cour107/000123/45"
// on the first-generation layout, "<CourseFolder>/001234/56" otherwise). The
// server keeps its maps in the same folders, joined with "//".
std::string CourseMapFolder(const DeviceLink& link, std::int32_t courseId,
                            std::string_view separator = "/");

std::filesystem::path DeviceFilePath(const DeviceLink& link, std::string_view relativePath);

}  // namespace orvane
