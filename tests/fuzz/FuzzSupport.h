#pragma once

// What the fuzz targets share: a broken property stops the run with a
// message, and the library suites' model parsed from text and saved.

#include "library/LibraryText.h"

#include <cstdio>
#include <cstdlib>

inline void Check(bool bHolds, const char* what) {
    if (!bHolds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}
