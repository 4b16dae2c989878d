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

void CSceneryListBox::ShowMovedRows(std::vector<CRowMove> moves) {
    SetRedraw(FALSE);
    const int nTop = GetTopIndex();
    // A row's filled dot is the view's own, and moves with it.
    std::sort(moves.begin(), moves.end(),
              [](const CRowMove& a, const CRowMove& b) { return a.nFrom < b.nFrom; });
    std::vector<std::pair<int, bool>> aTo;
    for (const CRowMove& move : moves)
        aTo.emplace_back(move.nTo, IsItemInSelectedFolder(move.nFrom));
    // From the bottom up, so that the rows above keep their places; then in
    // from the top down, each to a place the rows above it already hold.
    for (auto move = moves.rbegin(); move != moves.rend(); ++move)
        DeleteString(move->nFrom);
    std::sort(aTo.begin(), aTo.end());
    std::vector<int> aShown;
    for (const auto& [nRow, bFilled] : aTo) {
        const CSceneryRow shown = m_pSource->Row(nRow);
        if (InsertString(nRow, std::string(shown.title)) < 0)
            break;
        SetRowItem(nRow, shown, bFilled);
        aShown.push_back(nRow);
    }
    SetTopIndex(nTop);
    SelectRows(aShown, aShown.empty() ? -1 : aShown.front());
    SetRedraw(TRUE);
    Invalidate(TRUE);
    UpdateWindow(m_hWnd);
}
