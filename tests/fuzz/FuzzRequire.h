#pragma once
// A property a fuzz target holds the code to: when it fails, the target stops
// at once with the failed condition on standard error, and libFuzzer keeps the
// input that broke it.

#include <cstdio>

#define FUZZ_REQUIRE(condition)                                                                   \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                                     \
        }                                                                                         \
    } while (false)
