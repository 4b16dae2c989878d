#pragma once

// The commands that change the library as the window's handlers do, then
// write it through the session (or, with --dry-run, only tell what they
// would change).

#include "CommandRun.h"

int RunEnable(CCommandRun& run);
int RunDisable(CCommandRun& run);
int RunMove(CCommandRun& run);
int RunAdd(CCommandRun& run);
int RunRemove(CCommandRun& run);
int RunRename(CCommandRun& run);
int RunScan(CCommandRun& run);
int RunFolderEnable(CCommandRun& run);
int RunFolderDisable(CCommandRun& run);
