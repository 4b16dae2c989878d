#pragma once

// The profile commands: the profiles of Profiles.txt listed and shown, saved
// from the areas on, renamed and deleted (which write only Profiles.txt), and
// applied to the library (which writes it all, as the other changes do).
// Named apart from the profiles' own ProfileChanges.h, which the document
// includes by that name.

#include "CommandRun.h"

int RunProfileList(CCommandRun& run);
int RunProfileShow(CCommandRun& run);
int RunProfileSave(CCommandRun& run);
int RunProfileApply(CCommandRun& run);
int RunProfileDelete(CCommandRun& run);
int RunProfileRename(CCommandRun& run);
