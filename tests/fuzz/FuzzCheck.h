#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property of the code under test: says which, and aborts so that libFuzzer keeps the
// input that caused it as a crash file.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
