// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <cstdlib>

namespace selmak::fuzz {

// Stops the fuzzer with the invariant's words where it does not hold, so that the crash names it.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace selmak::fuzz
