#pragma once

// One command's run on the library: the files read as the window reads them
// at start, the rows it shows then, and the write its Save makes.

#include "Folder.h"
#include "LibraryFiles.h"
#include "SceneryCfg.h"
#include "SceneryHeader.h"
#include "Simulator.h"

#include <string>
#include <vector>

// twk's exit statuses.
enum EExit : int { kExitDone = 0, kExitFindings = 1, kExitUsage = 2, kExitFile = 3 };

// What a command changes, for its report.
struct CChange {
    const char*
        pszKind;    // "on", "off", "move", "add", "remove", "rename" or "folder-on", "folder-off"
    int nArea = -1; // the area, or -1 for a folder
    std::string strFrom; // a rename's old title, a move's old position
    std::string strFolder;
};

class CSession {
public:
    // Finds the simulator and reads its files. A file there that cannot be
    // read ends the command (exit 3) unless it is to be reported.
    int Open(const std::optional<std::string>& simOption, bool bReportUnreadable);

    // The row of each area shown (-1: none), by area index.
    std::vector<int> RowsByArea() const;
    // "#N "title" (local)" in the terminal's text; without "#N" for no row.
    std::string AreaText(int nArea, int nRow) const;
    std::string Shown(const std::string& stored) const;

    // The changes made, printed; unless this is a dry run, written first
    // with the backup of scenery.cfg, only while both files are what was
    // read. The exit status.
    int Finish(const std::vector<CChange>& changes, bool bDryRun, bool bJson);

    CSimulator sim;
    CLibraryPaths paths;
    CLibraryFiles files;
    CSceneryHeader header;
    CAreaArray areas;
    CFolderArray folders;
    std::vector<CListRow> rows;

private:
    int Write();
    void Report(const std::vector<CChange>& changes, bool bDryRun, bool bJson) const;
};
