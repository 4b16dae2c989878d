#pragma once

// The shell's folder browser, for file-system folders only.

#include <windows.h>

#include <shlobj.h>

#include <string>

// The folder the user confirms, or empty when cancelled. The callback gets
// the start folder as its data (null when there is none).
std::string BrowseForFolder(HWND hOwner, const char* pszTitle, BFFCALLBACK pfnCallback,
                            const std::string& startFolder);
