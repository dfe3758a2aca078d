#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "DemoWorld.h"
#include "device/DeviceLink.h"

namespace orvane::testing {

// Every regular file below a folder (links left out): its path relative to
// the folder, and its bytes.
using Files = std::map<std::string, std::string>;

Files Snapshot(const std::filesystem::path& root);

// Whether a file's name is the writer's temporary-file pattern.
bool IsTemporary(const std::string& relative);

// Fails the test for each temporary file left below `root`.
void ExpectNoTemporaryFile(const std::filesystem::path& root);

// Gives every course map of a server tree's "Download" folder `size` bytes
// of its own; the manager copies maps as opaque bytes all the same.
void ResizeServerMaps(const std::filesystem::path& download, std::size_t size);

// The root, model and course folder of `device` as a connection to `world`
// reads them.
DeviceLink ConnectedLink(const DemoWorld& world, const std::filesystem::path& device,
                         const std::filesystem::path& work);

// The text club lists among `files` of a device laid out as `link` says,
// each with the map paths it names.
std::map<std::string, std::vector<std::string>> ListedMaps(const Files& files,
                                                           const DeviceLink& link);

}  // namespace orvane::testing
