#pragma once

// Which simulator folder twk works on, and the disk through which the paths
// of its files reach the disk: the system's own on Windows; natively on
// Linux, a Wine prefix's (WINEPREFIX, else ~/.wine).

#include "CodePage.h"
#include "SceneryDisk.h"

#include <memory>
#include <optional>
#include <string>

struct CSimulator {
    // As the simulator's files store paths, with one backslash at its end.
    std::string strSimPath;
    const CSceneryDisk* pDisk = &SystemDisk();
    // Of the files' text, and of the names in them.
    CCodePage codePage;
    std::unique_ptr<CSceneryDisk> pOwnDisk;
};

// --sim, else the environment variable TARNWICK_SIM, else the simulator's
// registry value (natively on Linux in the Wine prefix's registry), else
// the window program's settings file Tarnwick.ini beside this program. Why
// none is found (a usage error), or empty.
std::string FindSimulator(const std::optional<std::string>& simOption, CSimulator& sim);

// A folder named on the command line (in the terminal's text) as the files
// store paths: absolute as the system names it (natively on Linux also a
// Linux path), else from the simulator folder; no separator at its end. Why
// it cannot be one, or empty.
std::string StoredPathOfArgument(const CSimulator& sim, const std::string& argument,
                                 std::string& stored);

// A folder as the files store it, named in a message for the terminal: as
// the path on the disk it leads to, which natively on Linux is the one the
// user knows; as stored where the disk cannot tell.
std::string ShownFolder(const CSimulator& sim, const std::string& stored);
// The same in UTF-8, for JSON.
std::string Utf8Folder(const CSimulator& sim, const std::string& stored);
