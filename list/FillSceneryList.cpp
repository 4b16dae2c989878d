#include "ManagerDlg.h"

// Rebuilds the rows from the areas, the last area on top; the selected
// position stays selected when it still exists.
void CManagerDlg::FillSceneryList() {
    const int nSelected = m_listScenery.GetCurSel();
    m_listScenery.ResetContent();
    for (int i = m_areas.GetSize() - 1; i >= 0; --i) {
        const CSceneryArea& area = m_areas.GetAt(i);
        if (area.IsRemoved())
            continue;
        int nRow = m_listScenery.AddString(area.GetTitle());
        if (nRow < 0)
            continue; // the list is full: the area stays out of it
        m_listScenery.SetItemActive(nRow, area.IsActive());
        m_listScenery.SetItemInFolder(nRow, area.IsInFolder());
        m_listScenery.SetItemInSelectedFolder(nRow, false);
        m_listScenery.SetItemAreaIndex(nRow, i);
    }
    if (nSelected >= 0 && nSelected < m_listScenery.GetCount())
        m_listScenery.SetCurSel(nSelected);
}
