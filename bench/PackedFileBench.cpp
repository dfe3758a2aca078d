// Packing and unpacking the largest record a packed file may hold (one byte
// under 200 KiB), in memory: the record saver and the record list pay this
// once per file on top of the disk.
//
// The text follows the device's record layout: a few header lines, then hole
// lines of par/putt values, shot positions in millionths of a degree with a
// club code, and a time stamp, repeated until the size is reached.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>

#include "records/PackedFile.h"

namespace {

using namespace orvane;

std::string RecordText(std::size_t size) {
    std::mt19937 random(20240501);
    const auto below = [&](std::uint64_t limit) { return std::to_string(random() % limit); };
    std::string text =
        "2 0.000000\r\n0 3 1\r\nLakeside A\r\n2024 5 3 1 9 12 41\r\n2024 5 3 1 13 2 7\r\n";
    std::uint64_t east = 127038123, north = 37512345;
    for (int hole = 0; text.size() < size; ++hole) {
        text +=
            std::string(1, static_cast<char>('A' + hole / 9 % 2)) + std::to_string(hole % 9 + 1);
        const std::uint64_t shots = random() % 6 + 2;
        text += ' ' + below(256) + ' ' + below(256) + ' ' +
                std::to_string(static_cast<int>(random() % 6) - 1) + ' ' + std::to_string(shots);
        for (std::uint64_t shot = 0; shot < shots; ++shot) {
            east += random() % 2000;
            north += random() % 2000;
            text += ' ' + std::to_string(east) + ".000000 " + std::to_string(north) + ".000000 " +
                    std::to_string(random() % 19 + 1);
        }
        text += " 0 0 " + below(100) + "\r\n2024 5 3 1 " + below(24) + ' ' + below(60) + ' ' +
                below(60) + "\r\n";
    }
    text.resize(size);
    return text;
}

const std::string& Record() {
    static const std::string text = RecordText(kPackInputLimit - 1);
    return text;
}

void Pack(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PackBytes(Record()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Record().size()));
}

void Unpack(benchmark::State& state) {
    const std::string file = PackBytes(Record()).value();
    if (UnpackBytes(file) != Record()) throw std::runtime_error("record did not come back");
    state.counters["packed_bytes"] = static_cast<double>(file.size());
    for (auto _ : state) benchmark::DoNotOptimize(UnpackBytes(file));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Record().size()));
}

}  // namespace

BENCHMARK(Pack)->Unit(benchmark::kMillisecond);
BENCHMARK(Unpack)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
