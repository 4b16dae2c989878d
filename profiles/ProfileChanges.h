#pragma once

// What the profile commands do to the areas, for every face of the program:
// the switches a profile makes, whether it is the library's current set, and
// the profile of the areas on now.

#include "AreaArray.h"
#include "SceneryCfg.h"
#include "SceneryProfile.h"

#include <span>
#include <string>
#include <vector>

struct CProfileSwitches {
    // Top row first: the profile's areas that are off, and every other area
    // that is on unless the simulator requires it.
    std::vector<int> aSwitched;
    // Entries naming no area the library holds now.
    std::vector<CEntryNames> missing;
};
CProfileSwitches ProfileSwitches(const CSceneryProfile& profile, const CAreaArray& areas,
                                 std::span<const CListRow> rows);

// Whether the areas on are exactly the profile's, required areas left out.
bool IsCurrentProfile(const CSceneryProfile& profile, const CAreaArray& areas,
                      std::span<const CListRow> rows);

// The areas the library holds of those the profile lists.
int ProfileAreaCount(const CSceneryProfile& profile, const CAreaArray& areas);

// A profile of the areas on now, top row first.
CSceneryProfile ProfileOfActiveAreas(const std::string& name, const CAreaArray& areas,
                                     std::span<const CListRow> rows);
