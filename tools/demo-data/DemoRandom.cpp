#include "DemoRandom.h"

namespace orvane::demo {

int DemoRandom::Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1)));
}

}  // namespace orvane::demo
