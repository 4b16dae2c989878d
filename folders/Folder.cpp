#include "Folder.h"

#include <algorithm>

bool CFolder::RemoveEntry(int i) {
    if (i < 0 || i >= GetCount())
        return false;
    m_aEntries.erase(m_aEntries.begin() + i);
    return true;
}

bool CFolder::HasArea(int nArea) const {
    return std::any_of(m_aEntries.begin(), m_aEntries.end(),
                       [nArea](const CFolderEntry& entry) { return entry.nArea == nArea; });
}
