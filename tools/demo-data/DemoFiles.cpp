#include "DemoFiles.h"

#include <iconv.h>

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

std::string Cp949(std::string_view utf8) {
    iconv_t converter = iconv_open("CP949", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP949 converter");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* next = out.data();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(converter, &in, &inLeft, &next, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<std::size_t>(-1))
        throw std::runtime_error("not CP949: " + std::string(utf8));
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace orvane::demo
