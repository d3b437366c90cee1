#pragma once
// Checks for the libFuzzer targets: a broken promise stops the run at once,
// so libFuzzer keeps the input that broke it; the line says which promise.

#include <cstdio>

#define FUZZ_REQUIRE(condition)                                                          \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            __builtin_trap();                                                            \
        }                                                                                \
    } while (false)
