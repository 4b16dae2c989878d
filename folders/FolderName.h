#pragma once

// Which folder names come back from Folder.txt as the same folder.

#include "Folder.h"

#include <string>

// Why the name cannot be a folder's, or empty when it can. The folder at
// nRenamed (-1 for a new folder) does not count as another folder.
std::string WhyFolderNameRefused(const std::string& name, const CFolderArray& folders,
                                 int nRenamed);
