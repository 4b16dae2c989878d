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

void CSceneryListBox::MoveRows(std::span<const int> aRows, int nBefore) {
    struct CMoved {
        std::string strText;
        DWORD nData;
    };
    std::vector<CMoved> moved;
    SetRedraw(FALSE);
    const int nTop = GetTopIndex();
    int nTo = nBefore < 0 ? GetCount() : nBefore;
    // From the bottom up, so that the rows above keep their places.
    for (auto row = aRows.rbegin(); row != aRows.rend(); ++row) {
        moved.push_back({GetText(*row), GetData(*row)});
        DeleteString(*row);
        nTo -= *row < nTo ? 1 : 0;
    }
    std::reverse(moved.begin(), moved.end());
    std::vector<int> aShown;
    for (const CMoved& row : moved) {
        const int nRow = InsertString(nTo + static_cast<int>(aShown.size()), row.strText);
        if (nRow < 0)
            break;
        SetItemData(nRow, row.nData);
        aShown.push_back(nRow);
    }
    SetTopIndex(nTop);
    SelectRows(aShown, aShown.empty() ? -1 : aShown.front());
    SetRedraw(TRUE);
    Invalidate(TRUE);
    UpdateWindow(m_hWnd);
}
