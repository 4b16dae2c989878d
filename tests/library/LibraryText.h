#pragma once

// Helpers for the library suites and the fuzz targets: a model parsed from
// text or made of names, and the text Save writes for it.

#include "AreaChanges.h"
#include "SceneryCfg.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct CLibrary {
    CSceneryHeader header;
    CAreaArray areas;
    CFileResult load;
};

inline std::unique_ptr<CLibrary> ParseLibrary(std::string text) {
    auto pLibrary = std::make_unique<CLibrary>();
    pLibrary->load = ParseSceneryCfg(std::move(text), pLibrary->header, pLibrary->areas);
    return pLibrary;
}

// What Save writes for this list: numbers, layers and flags taken from it.
inline std::string SaveText(CLibrary& library, const std::vector<CListRow>& rows) {
    UpdateLayersFromList(rows, library.areas);
    UpdateActiveFromList(rows, library.areas);
    return FormatSceneryCfg(library.header, library.areas, rows);
}

inline std::string SaveText(CLibrary& library) {
    return SaveText(library, ListRows(library.areas));
}

// Areas with the given titles and local paths, in index order.
inline CAreaArray AreasNamed(std::initializer_list<std::pair<const char*, const char*>> names) {
    CAreaArray areas;
    for (auto [pszTitle, pszLocal] : names) {
        auto pArea = std::make_unique<CSceneryArea>();
        pArea->SetTitle(pszTitle);
        pArea->SetLocal(pszLocal);
        areas.Add(std::move(pArea));
    }
    return areas;
}
