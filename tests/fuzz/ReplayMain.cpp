// Runs a fuzz target over saved inputs (the regressions and the seeds) without
// libFuzzer, so that every build replays them.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& place) {
    std::vector<std::filesystem::path> inputs;
    std::error_code error;
    if (std::filesystem::is_regular_file(place, error)) return {place};
    for (const auto& item : std::filesystem::recursive_directory_iterator(place, error)) {
        if (item.is_regular_file(error)) inputs.push_back(item.path());
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

}  // namespace

// Each argument is an input file or a folder of them. Exits 1 when none was
// found, so that a wrong path cannot pass for a clean replay.
int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& input : InputsOf(argv[i])) {
            std::ifstream in(input, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed == 0 ? 1 : 0;
}
