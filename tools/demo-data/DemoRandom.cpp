#include "DemoRandom.h"

namespace orvane::demo {

int DemoRandom::Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1)));
}

double DemoRandom::Uniform(double low, double high) {
    constexpr std::uint32_t kSteps = 1000;
    return low + (high - low) * Below(kSteps + 1) / kSteps;
}

}  // namespace orvane::demo
