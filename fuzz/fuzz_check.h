// SPDX-License-Identifier: GPL-3.0-or-later
// A broken promise found while fuzzing must stop the run like a crash does, so
// that libFuzzer keeps the input and the corpus runner fails its test.
#pragma once

#include <cstdio>
#include <cstdlib>

#define ZERU_FUZZ_CHECK(condition)                                                               \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (0)
