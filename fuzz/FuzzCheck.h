#pragma once

#include <cstdio>
#include <cstdlib>

namespace mobwright::fuzz {

// Stops the run when an invariant breaks; libFuzzer then saves the input
// that broke it as a crash file.
inline void Require(bool holds, const char *invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "Invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace mobwright::fuzz
