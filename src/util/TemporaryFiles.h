#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

// The name pattern of the temporary file that stands for `fileName` while it
// is written (for mkstemp: the X's become six letters or digits). A leading
// dot keeps the half-written file out of casual listings.
std::string TemporaryNamePattern(std::string_view fileName);

// True for a name the pattern produced: a dot, the file's name, a dot and six
// letters or digits.
bool IsTemporaryName(std::string_view name);

// Removes the regular files of `folder` whose names IsTemporaryName, and
// those of its subfolders down to `depth` levels; a write that was killed
// leaves such a file behind. Links are not followed. Returns how many went.
int RemoveTemporaryFiles(const std::filesystem::path& folder, int depth);

}  // namespace orvane
