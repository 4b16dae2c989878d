#pragma once

// A Wine prefix read without Wine: the machine's registry as Wine keeps it
// in the text file system.reg, and the drive letters of dosdevices/.

#include "CodePage.h"

#include <array>
#include <string>
#include <string_view>

// A string value of the registry, in UTF-8 as Wine's escapes spell it.
struct CRegistryString {
    bool bKeyFound = false;
    bool bValueFound = false; // as a plain string (REG_SZ)
    std::string strValue;
    std::string strWhyNot; // when the key holds the value in another form
};

// The value of a key of the machine hive (a path such as
// "SOFTWARE\\Microsoft\\..."), names matched without regard to ASCII case.
CRegistryString FindRegistryString(std::string_view systemReg, std::string_view key,
                                   std::string_view value);

// The same for a key below SOFTWARE in the registry's 32-bit view, where a
// 32-bit program writes its keys: below Software\Wow6432Node in a 64-bit
// prefix (told by its "#arch=win64" line).
CRegistryString FindRegistryString32(std::string_view systemReg, std::string_view key,
                                     std::string_view value);

// The prefix's ANSI code page, Windows-1252 unless the registry says another.
CCodePage CodePageOf(std::string_view systemReg);

// Where each drive letter leads on the disk (resolved, without a separator
// at its end; "/" for the root), empty for a letter the prefix does not map.
using CDrives = std::array<std::string, 26>;
// The drives of dosdevices/ in the prefix folder; without such a folder,
// only Z: mapped to the root, as Wine sets up every prefix.
CDrives ReadDrives(const std::string& prefix);
