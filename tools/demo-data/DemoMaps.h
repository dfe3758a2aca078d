#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "DemoCatalogue.h"
#include "DemoRandom.h"

namespace orvane::demo {

// `length` seeded bytes behind a recognisable header, standing in for a map
// or firmware image that only the device can read.
std::string PlausibleBytes(DemoRandom& random, std::string_view header, std::size_t length);

// The range of map sizes, in bytes; the largest is never reached.
struct MapSizes {
    std::size_t smallest = 50 * 1024;
    std::size_t largest = 400 * 1024;
};

// Writes a map of a size in `sizes` for every catalogue course where the
// server keeps it for each model family: "<CourseFolder>/%06d/%02d/<stem>.dat"
// and, for first-generation devices, "Cour107/<remapped>/<stem>.dat". The
// copies of one map are hard links to one file.
void WriteServerMaps(const std::filesystem::path& server, const DemoCatalogue& catalogue,
                     DemoRandom& random, MapSizes sizes = {});

}  // namespace orvane::demo
