#pragma once

#include <cstdint>
#include <random>

namespace orvane::demo {

// The same seed gives the same data on every machine: the engine is fully
// specified by the standard, and we avoid the library's distributions, which
// are not.
class DemoRandom {
public:
    explicit DemoRandom(std::uint32_t seed) : engine_(seed) {}

    // 0 <= n < bound.
    std::uint32_t Below(std::uint32_t bound) {
        return bound == 0 ? 0 : static_cast<std::uint32_t>(engine_() % bound);
    }
    int Between(int low, int high);
    // low <= x <= high, in thousandths of the span.
    double Uniform(double low, double high);

private:
    std::mt19937 engine_;
};

}  // namespace orvane::demo
