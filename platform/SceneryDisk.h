#pragma once

// The disk as the paths in the simulator's files name it. Those paths are
// the simulator's own: on Windows the system's paths; for a program running
// natively on Linux, Windows paths in the code page of a Wine prefix, which
// reach the disk through the prefix's drives (WineDisk.h).

#include "Files.h"

#include <string>
#include <vector>

struct CDiskPath {
    std::string strPath;  // on the disk
    std::string strError; // why the path leads nowhere on the disk; empty when it does
};

class CSceneryDisk {
public:
    virtual ~CSceneryDisk() = default;

    // The separator the paths take.
    virtual char GetSeparator() const = 0;
    // The file or folder the path names, or where a new one of that name
    // goes.
    virtual CDiskPath Locate(const std::string& path) const = 0;
    // A folder's entries, named as the paths name them and in the order in
    // which the simulator's system lists them to a program; empty when the
    // folder cannot be read.
    virtual std::vector<CDirEntry> List(const std::string& folder) const = 0;

    EPathKind GetKind(const std::string& path) const;
};

// The system's own paths, taken as they are: the window program's disk.
const CSceneryDisk& SystemDisk();
