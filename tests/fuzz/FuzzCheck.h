#pragma once
#include <cstdio>
#include <cstdlib>

// A broken invariant aborts, so that libFuzzer keeps the input as a crash and the corpus
// regression test fails on it.
#define FUZZ_CHECK(...)                                                                    \
    do {                                                                                   \
        if (!(__VA_ARGS__)) {                                                               \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #__VA_ARGS__); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)
