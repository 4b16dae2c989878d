#include "Folder.h"

bool CFolder::RemoveEntry(int i) {
    if (i < 0 || i >= GetCount())
        return false;
    m_aAreas.erase(m_aAreas.begin() + i);
    return true;
}
