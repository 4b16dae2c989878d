#pragma once

// The library as a writer that died midway leaves it: a Save whose first
// file, scenery.cfg, was moved in and could not be put back, so that its
// journal stays for the next open to finish.

#include "LibraryDocument.h"

#include <gtest/gtest.h>

inline void LeaveAnInterruptedSave(const std::string& simPath) {
    CLibraryDocument doc;
    doc.Open(simPath);
    doc.RenameArea(0, "Renamed");
    int nMoves = 0; // the journal's, then scenery.cfg's
    SetFileCallSeam([&](EFileCall call, const std::string&) {
        return call != EFileCall::kMove || ++nMoves <= 2;
    });
    EXPECT_TRUE(doc.Save().bPutBackFailed);
    SetFileCallSeam({});
}
