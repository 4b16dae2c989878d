#pragma once

// What the fuzz targets share: a broken property stops the run with a
// message, and a library saved as the program saves it.

#include "SceneryCfg.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

inline void Check(bool bHolds, const char* what) {
    if (!bHolds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// The text Save writes for the library as a fresh start lists it: every area,
// the last one on top, each row switched on as its area is.
inline std::string SaveText(const CSceneryHeader& header, CAreaArray& areas) {
    std::vector<CListRow> rows;
    rows.reserve(static_cast<std::size_t>(areas.GetSize()));
    for (int i = areas.GetSize() - 1; i >= 0; --i)
        rows.push_back({i, areas.GetAt(i).IsActive()});
    UpdateLayersFromList(rows, areas);
    UpdateActiveFromList(rows, areas);
    return FormatSceneryCfg(header, areas, rows);
}
