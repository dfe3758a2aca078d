#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

namespace orvane::fuzz {

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

}  // namespace orvane::fuzz
