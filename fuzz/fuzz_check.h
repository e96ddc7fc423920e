#pragma once
// The fuzz targets' assertion: a broken invariant says what broke and where, then aborts, so that
// libFuzzer saves the input that broke it. Unlike assert() it stays on in every build type.

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: broken invariant: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
