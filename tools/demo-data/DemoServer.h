#pragma once

#include <filesystem>

#include "DemoCatalogue.h"

namespace orvane::demo {

// Writes the update server's club lists under <out>/server/Download, where the
// server check fetches them: the text lists of every zone in each course
// folder a model may ask for, and for first-generation devices the alias and
// reference lists in Cour107. Returns the server's root folder.
std::filesystem::path WriteServerTree(const std::filesystem::path& out,
                                      const DemoCatalogue& catalogue);

}  // namespace orvane::demo
