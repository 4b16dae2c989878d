#pragma once

// twk's commands, each over a session opened on the library. Each calls the
// portable functions the window's handlers call, and returns the exit
// status.

#include "Arguments.h"
#include "Session.h"

#include <string>
#include <vector>

struct CCommandRun {
    const CArguments& args;
    std::vector<std::string> operands; // the words after the command's own
    CSession& session;
};

// The row an AREA argument names: "#N", else every row whose title matches
// without regard to ASCII case or whose local path names the same folder.
// Why none or more than one, listing the candidates, or empty.
std::string MatchArea(const CSession& session, const std::string& argument, std::size_t& nRow);

int RunList(CCommandRun& run);
int RunCheck(CCommandRun& run);
int RunEnable(CCommandRun& run);
int RunDisable(CCommandRun& run);
int RunMove(CCommandRun& run);
int RunAdd(CCommandRun& run);
int RunRemove(CCommandRun& run);
int RunRename(CCommandRun& run);
int RunScan(CCommandRun& run);
int RunFolderList(CCommandRun& run);
int RunFolderEnable(CCommandRun& run);
int RunFolderDisable(CCommandRun& run);
int RunRestoreBackup(CCommandRun& run);
