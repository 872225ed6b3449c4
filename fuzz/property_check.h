#pragma once

// A property of a fuzz target: when it does not hold, the line of the check is told and the run
// stops, so that libFuzzer keeps the input as a finding.

#include <cstdio>
#include <cstdlib>

inline void check(bool condition, int where = __builtin_LINE())
{
    if (condition)
        return;
    std::fprintf(stderr, "property at line %d fails\n", where);
    std::abort();
}
