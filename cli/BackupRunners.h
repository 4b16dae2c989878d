#pragma once

// The backup sets of the library: listed, compared with the library as it
// stands, and restored.

#include "CommandRun.h"

int RunBackupList(CCommandRun& run);
int RunBackupShow(CCommandRun& run);
int RunBackupRestore(CCommandRun& run);
