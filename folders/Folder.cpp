#include "Folder.h"

bool CFolder::RemoveEntry(int i) {
    if (i < 0 || i >= GetCount())
        return false;
    m_aEntries.erase(m_aEntries.begin() + i);
    return true;
}
