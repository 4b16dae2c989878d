#pragma once

// What a program keeps between runs, and what other programs keep for it to
// read: a settings file of INI text, which the program reads and writes
// one key at a time, beside the program's own path; on Windows also the
// machine's registry.

#include <string>
#include <string_view>

#ifdef _WIN32
// A string value of a key of HKEY_LOCAL_MACHINE in the registry's 32-bit
// view, where a 32-bit program writes its keys (a 64-bit build looks there
// too); an expandable string comes expanded. bKeyFound tells whether the key
// exists; the text is empty when the value is missing, is not a string, or
// is too long to be a path (cutting it would name another one).
std::string ReadRegistryString32(const char* pszKey, const char* pszValue, bool& bKeyFound);

// The executable's path with its last three characters replaced by "ini";
// empty when that path does not fit its 260-byte buffer.
std::string GetSettingsPath();
#endif

// The running program's own path; empty when the system does not tell it
// (or, on Windows, when it does not fit a 260-byte buffer).
std::string GetProgramPath();

// The folder where this user's programs keep what they can always rebuild:
// on Windows the local application data folder, natively $XDG_CACHE_HOME,
// else ~/.cache. Empty when the system names none.
std::string GetCacheFolder();

// The value of the key in the first section of that name; empty when the
// path is empty, or the file, the section or the key is missing.
std::string ReadSettingsValue(const std::string& settingsPath, std::string_view section,
                              std::string_view key);
// Sets the key, the file's other sections and keys kept as they are, and
// replaces the file through its path + tempSuffix (see ReplaceFileAtomically).
// A file that is there but cannot be read is left alone.
void WriteSettingsValue(const std::string& settingsPath, std::string_view section,
                        std::string_view key, std::string_view value, std::string_view tempSuffix);
