#pragma once

// What the fuzz targets share: a broken property stops the run with a
// message, the library suites' model parsed from text and saved, and the
// round trip of a file whose entries name areas.

#include "library/LibraryText.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void Check(bool bHolds, const char* what) {
    if (!bHolds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// For a file whose entries name areas (Folder.txt, Profiles.txt): the input
// is a scenery.cfg text, a NUL byte, then the file's text (NUL is a byte
// neither file may hold); without a NUL it is all the file's, for an empty
// library. Over a Save of both files and the next start reading them back,
// the saved file loads, what picture shows of it is kept, and a second Save
// writes the same bytes. parse(text, model, areas) gives a CFileResult,
// format(model, areas) the file's text.
template <class TModel, class FParse, class FFormat, class FPicture>
void CheckEntryFileRoundTrip(std::string_view input, FParse parse, FFormat format, FPicture picture,
                             const char* pszKept) {
    const std::size_t nSplit = input.find('\0');
    const bool bLibrary = nSplit != std::string_view::npos;
    auto pLibrary = ParseLibrary(std::string(bLibrary ? input.substr(0, nSplit) : ""));
    TModel model;
    if (pLibrary->load.status != EFileStatus::kOk ||
        parse(std::string(bLibrary ? input.substr(nSplit + 1) : input), model, pLibrary->areas)
                .status != EFileStatus::kOk)
        return;
    const std::string first = format(model, pLibrary->areas);

    // The scenery_cfg target checks that the saved scenery.cfg loads.
    auto pRead = ParseLibrary(SaveText(*pLibrary));
    TModel read;
    Check(parse(first, read, pRead->areas).status == EFileStatus::kOk, "the saved file loads");
    Check(picture(read) == picture(model), pszKept);
    Check(format(read, pRead->areas) == first, "a second Save writes the same bytes");
}
