#pragma once

// Where the simulator is installed, and the window program's settings file,
// which remembers that folder between runs. Every face of the program finds
// the simulator the same way.

#include <cstddef>
#include <string>

// The key and value in which the simulator records its folder (on Windows
// in the registry's 32-bit view, where the 32-bit simulator writes it).
constexpr const char* kSimRegistryKey =
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
constexpr const char* kSimRegistryValue = "Exe Path";
// The longest folder a 260-byte buffer holds with its terminator.
constexpr std::size_t kMaxPath = 259;
// The window program's settings file, when it is named as it ships.
constexpr const char* kSettingsFileName = "Tarnwick.ini";

#ifdef _WIN32
// The simulator's folder as the registry gives it. bKeyFound tells whether
// the key exists; the folder is empty when the value is missing, is not a
// string, or is too long to be a folder (cutting it would name another one).
std::string ReadRegistrySimFolder(bool& bKeyFound);

// The executable's path with its last three characters replaced by "ini";
// empty when that path does not fit its 260-byte buffer.
std::string GetSettingsPath();
#endif

// The running program's own path; empty when the system does not tell it
// (or, on Windows, when it does not fit a 260-byte buffer).
std::string GetProgramPath();

std::string ReadSettingsSimFolder(const std::string& settingsPath);
// Stores the folder; the file's other sections and keys stay as they are.
void WriteSettingsSimFolder(const std::string& settingsPath, const std::string& simPath);

// The folder with exactly one backslash at its end (at most one removed).
std::string SimPathFromFolder(std::string folder);
// scenery.cfg's path cut before its last "." and followed by "_bak.twk".
std::string BackupPathOf(const std::string& sceneryCfgPath);
