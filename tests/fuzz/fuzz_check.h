#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzz run with a message when a rule does not hold; libFuzzer then keeps the input.
inline void fuzz_check(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "rule broken: %s\n", rule);
        std::abort();
    }
}
