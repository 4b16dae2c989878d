#pragma once

// Profiles: named sets of the areas that are on, for switching the whole
// library between them in one step. Each entry is an area of the open
// library, or the names of one the library did not hold when the file was
// read; every other line of the profile's section (comments, lines without
// "=", keys other than entries) is kept as read.

#include "Folder.h"

#include <string>
#include <vector>

struct CProfileEntry {
    int nArea = -1;    // the area it names, or -1
    CEntryNames names; // when it named no area
    bool operator==(const CProfileEntry&) const = default;
};

// Lines of Profiles.txt this program does not take, each as it stood
// (without its line end), in their order.
using CKeptLines = std::vector<std::string>;

struct CSceneryProfile {
    std::string strName;
    std::vector<CProfileEntry> aEntries; // each area once, in the file's order
    CKeptLines aOtherLines;              // the section's other lines: after the entries
};

using CSceneryProfiles = std::vector<CSceneryProfile>;

// The profile of that name, letter case aside, or -1.
int FindProfile(const CSceneryProfiles& profiles, const std::string& name);

// Why the name cannot be a profile's, or empty when it can (whether another
// profile has it is the caller's question).
std::string WhyProfileNameRefused(const std::string& name);
