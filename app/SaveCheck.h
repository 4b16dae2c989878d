#pragma once

// Save's words for the user when another program changed scenery.cfg,
// Folder.txt or Profiles.txt since this program last read or wrote them (see
// CheckFilesBeforeSave). The dialog only asks and calls.

#include "LibraryFiles.h"

#include <string>

// The question before replacing changed files; empty when none changed.
std::string ChangedFilesQuestion(const CSaveCheck& check);
