#pragma once

#include <cstdio>
#include <cstdlib>

namespace mobwright::fuzz {

// Stops the run when an invariant breaks; libFuzzer keeps the input as a crash.
inline void Require(bool holds, const char *invariant)
{
    if (!holds) {
        std::fprintf(stderr, "Invariant broken: %s\n", invariant);
        std::abort();
    }
}

} // namespace mobwright::fuzz
