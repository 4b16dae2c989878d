#pragma once

// restore-backup: scenery_bak.twk put back as scenery.cfg, after telling
// which areas come back, go or are switched, and asking on the terminal
// unless --yes is given.

#include "CommandRun.h"

int RunRestoreBackup(CCommandRun& run);
