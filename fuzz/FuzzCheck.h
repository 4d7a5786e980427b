#pragma once

#include <cstdio>
#include <cstdlib>

namespace marlo::fuzz {

// A broken invariant is a finding: libFuzzer saves the input that caused the abort.
inline void require(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

}  // namespace marlo::fuzz
