#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run, so libFuzzer keeps the input that broke it.
[[noreturn]] inline void InvariantBroken(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_REQUIRE(condition) ((condition) ? void() : InvariantBroken(#condition, __FILE__, __LINE__))
