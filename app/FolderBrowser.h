#pragma once

// The shell's folder browser, for file-system folders only.

#include <windows.h>

#include <functional>
#include <string>

// The folder the user confirms, or empty when cancelled. The browser opens
// at the start folder, when there is one, and with accept given lets OK be
// pressed only on a folder it accepts.
std::string BrowseForFolder(HWND hOwner, const char* pszTitle, const std::string& startFolder,
                            const std::function<bool(const std::string&)>& accept = {});

// The simulator's folder: one that holds fs9.exe.
std::string BrowseSimFolder(HWND hOwner);
