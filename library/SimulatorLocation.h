#pragma once

// Where Flight Simulator 2004 is installed, and the names of the files
// Tarnwick keeps of its own: the window program's settings file, which
// remembers that folder between runs, the backup of scenery.cfg, and the
// temporary file through which every file is replaced. Every face of the
// program finds the simulator the same way.

#include <string>
#include <string_view>

// The key and value in which the simulator records its folder (on Windows
// in the registry's 32-bit view, where the 32-bit simulator writes it).
constexpr const char* kSimRegistryKey =
    "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
constexpr const char* kSimRegistryValue = "Exe Path";
// The window program's settings file, when it is named as it ships, and
// the section of it that holds Tarnwick's keys.
constexpr const char* kSettingsFileName = "Tarnwick.ini";
constexpr const char* kSettingsSection = "Tarnwick";
// The new file beside each file Tarnwick replaces, until it is moved over it.
inline constexpr std::string_view kTempSuffix = ".twk-new";
// Beside the simulator's library while Tarnwick writes it: the version each
// file had, until the write is done; the journal naming them; and, after a
// write that died, the version from before it of a file another program
// changed since. The lock file stays; its lock ends with its holder.
inline constexpr std::string_view kKeptSuffix = ".twk-old";
inline constexpr std::string_view kLeftSuffix = ".twk-before";
constexpr const char* kJournalFileName = "Tarnwick.journal";
constexpr const char* kLockFileName = "Tarnwick.lock";

#ifdef _WIN32
// The simulator's folder as the registry gives it (see ReadRegistryString32).
std::string ReadRegistrySimFolder(bool& bKeyFound);
#endif

std::string ReadSettingsSimFolder(const std::string& settingsPath);
// Stores the folder; the file's other sections and keys stay as they are.
void WriteSettingsSimFolder(const std::string& settingsPath, const std::string& simPath);

// The folder with exactly one backslash at its end (at most one removed).
std::string SimPathFromFolder(std::string folder);
// scenery.cfg's path cut before its last "." and followed by "_bak.twk".
std::string BackupPathOf(const std::string& sceneryCfgPath);
