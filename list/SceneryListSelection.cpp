// The list's several selected rows: the press that selects, all selected at
// once, and a block of rows shown moved.

#include "SceneryListBox.h"

#include <algorithm>

void CSceneryListBox::Press(UINT nFlags, POINT point, int nRow) {
    Default(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
    if (nRow >= 0 && !(nFlags & (MK_CONTROL | MK_SHIFT)))
        SetCurSel(nRow);
}

void CSceneryListBox::SelectAll() {
    const int nCaret = GetCaretIndex();
    ControlMessage(LB_SETSEL, TRUE, -1);
    if (nCaret >= 0)
        ControlMessage(LB_SETCARETINDEX, static_cast<WPARAM>(nCaret), FALSE);
    NotifySelChange();
}

void CSceneryListBox::NotifySelChange() const {
    ::SendMessageA(GetParent(), WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CSceneryListBox::ShowMovedRows(std::span<const int> aFromRows, int nTo) {
    SetRedraw(FALSE);
    const int nTop = GetTopIndex();
    // A row's filled dot is the view's own, and moves with it.
    std::vector<bool> aFilled;
    for (int nRow : aFromRows)
        aFilled.push_back(IsItemInSelectedFolder(nRow));
    // From the bottom up, so that the rows above keep their places.
    for (auto row = aFromRows.rbegin(); row != aFromRows.rend(); ++row)
        DeleteString(*row);
    std::vector<int> aShown;
    for (std::size_t n = 0; n < aFilled.size(); ++n) {
        const int nRow = nTo + static_cast<int>(n);
        const CSceneryRow shown = m_pSource->Row(nRow);
        if (InsertString(nRow, std::string(shown.title)) < 0)
            break;
        SetRowItem(nRow, shown, aFilled[n]);
        aShown.push_back(nRow);
    }
    SetTopIndex(nTop);
    SelectRows(aShown, aShown.empty() ? -1 : aShown.front());
    SetRedraw(TRUE);
    Invalidate(TRUE);
    UpdateWindow(m_hWnd);
}
