#pragma once

// The commands that show the library and change nothing: its rows, the
// check's findings and the folders, as text or as JSON.

#include "CommandRun.h"

int RunList(CCommandRun& run);
int RunCheck(CCommandRun& run);
int RunFolderList(CCommandRun& run);
