#include "DemoFiles.h"

#include <fstream>
#include <stdexcept>

namespace orvane::demo {

// Plain writes, not the manager's write-and-rename: the demo tree is scratch
// output that a failed run simply writes again, and a flush per file would
// make a world-sized device with its tens of thousands of maps crawl.
void WriteDemoFile(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace orvane::demo
