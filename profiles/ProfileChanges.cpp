#include "ProfileChanges.h"

namespace {

// By area: whether the profile lists it.
std::vector<char> ListedAreas(const CSceneryProfile& profile, const CAreaArray& areas) {
    std::vector<char> aListed(static_cast<std::size_t>(areas.GetSize()), 0);
    for (const CProfileEntry& entry : profile.aEntries) {
        if (entry.nArea >= 0)
            aListed[static_cast<std::size_t>(entry.nArea)] = 1;
    }
    return aListed;
}

// Whether applying the profile switches the area: on when listed, else off
// unless required.
bool IsSwitched(const CSceneryArea& area, bool bListed) {
    return bListed ? !area.IsActive() : area.IsActive() && !area.IsRequired();
}

} // namespace

CProfileSwitches ProfileSwitches(const CSceneryProfile& profile, const CAreaArray& areas,
                                 std::span<const CListRow> rows) {
    const std::vector<char> aListed = ListedAreas(profile, areas);
    CProfileSwitches switches;
    for (const CListRow& row : rows) {
        if (IsSwitched(areas.GetAt(row.nArea), aListed[static_cast<std::size_t>(row.nArea)]))
            switches.aSwitched.push_back(row.nArea);
    }
    for (const CProfileEntry& entry : profile.aEntries) {
        if (entry.nArea < 0)
            switches.missing.push_back(entry.names);
        else if (const CSceneryArea& area = areas.GetAt(entry.nArea); area.IsRemoved())
            switches.missing.push_back({area.GetTitle(), area.GetLocal()});
    }
    return switches;
}

bool IsCurrentProfile(const CSceneryProfile& profile, const CAreaArray& areas,
                      std::span<const CListRow> rows) {
    const std::vector<char> aListed = ListedAreas(profile, areas);
    for (const CListRow& row : rows) {
        const CSceneryArea& area = areas.GetAt(row.nArea);
        if (!area.IsRequired() &&
            area.IsActive() != (aListed[static_cast<std::size_t>(row.nArea)] != 0))
            return false;
    }
    return true;
}

int ProfileAreaCount(const CSceneryProfile& profile, const CAreaArray& areas) {
    int nCount = 0;
    for (const CProfileEntry& entry : profile.aEntries)
        nCount += entry.nArea >= 0 && !areas.GetAt(entry.nArea).IsRemoved();
    return nCount;
}

CSceneryProfile ProfileOfActiveAreas(const std::string& name, const CAreaArray& areas,
                                     std::span<const CListRow> rows) {
    CSceneryProfile profile{name, {}, {}};
    for (const CListRow& row : rows) {
        if (areas.GetAt(row.nArea).IsActive())
            profile.aEntries.push_back({row.nArea, {}});
    }
    return profile;
}
