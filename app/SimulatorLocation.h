#pragma once

// Where the simulator is installed, and the program's settings file, which
// remembers that folder between runs.

#include <windows.h>

#include <string>

constexpr const char* kSimRegistryKey =
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
constexpr const char* kSimRegistryValue = "Exe Path";
// The simulator is a 32-bit program and writes its key in the registry's
// 32-bit view; a 64-bit build looks there too. The 32-bit build asks for no
// view, as very old systems refuse the flag.
#ifdef _WIN64
constexpr REGSAM kSimKeyView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kSimKeyView = 0;
#endif
// The longest folder a 260-byte buffer holds with its terminator.
constexpr std::size_t kMaxPath = 259;

// The simulator's folder as the registry gives it. bKeyFound tells whether
// the key exists; the folder is empty when the value is missing, is not a
// string, or is too long to be a folder (cutting it would name another one).
std::string ReadRegistrySimFolder(bool& bKeyFound);

// The executable's path with its last three characters replaced by "ini";
// empty when that path does not fit its 260-byte buffer.
std::string GetSettingsPath();
std::string ReadSettingsSimFolder(const std::string& settingsPath);
// Stores the folder; the file's other sections and keys stay as they are.
void WriteSettingsSimFolder(const std::string& settingsPath, const std::string& simPath);

// The folder with exactly one backslash at its end (at most one removed).
std::string SimPathFromFolder(std::string folder);
// scenery.cfg's path cut before its last "." and followed by "_bak.twk".
std::string BackupPathOf(const std::string& sceneryCfgPath);
