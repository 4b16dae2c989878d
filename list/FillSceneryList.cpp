#include "ManagerDlg.h"

#include <vector>

// Rebuilds the rows from the areas. The areas already listed keep the order
// the user gave them by dragging; areas not listed yet (just added) go on
// top, the last added highest; removed areas drop out. The selected position
// stays selected when it still exists.
void CManagerDlg::FillSceneryList() {
    const int nSelected = m_listScenery.GetCurSel();
    std::vector<bool> aListed(static_cast<std::size_t>(m_areas.GetSize()), false);
    std::vector<int> aOrder;
    const std::vector<CListRow> rows = m_listScenery.GetRows();
    for (const CListRow& row : rows)
        aListed[static_cast<std::size_t>(row.nArea)] = true;
    for (int i = m_areas.GetSize() - 1; i >= 0; --i) {
        if (!aListed[static_cast<std::size_t>(i)])
            aOrder.push_back(i);
    }
    for (const CListRow& row : rows)
        aOrder.push_back(row.nArea);

    // One repaint at the end, not one per row.
    m_listScenery.SetRedraw(FALSE);
    m_listScenery.ResetContent();
    for (int i : aOrder) {
        const CSceneryArea& area = m_areas.GetAt(i);
        if (area.IsRemoved())
            continue;
        int nRow = m_listScenery.AddString(area.GetTitle());
        if (nRow < 0)
            continue; // the list is full: the area stays out of it
        m_listScenery.SetItem(nRow, i, area.IsActive(), area.IsInFolder());
    }
    m_listScenery.SetRedraw(TRUE);
    m_listScenery.Invalidate(TRUE);
    if (nSelected >= 0 && nSelected < m_listScenery.GetCount())
        m_listScenery.SetCurSel(nSelected);
}
