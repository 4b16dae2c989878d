#include "SceneryListBox.h"

#include "Gdi.h"

#include <algorithm>

namespace {

constexpr COLORREF kFolderDot = RGB(64, 64, 192);
constexpr int kMarkStrip = 25;
constexpr int kTipChars = 80; // the tip buffer, terminator included

// The marks are laid out for 96 DPI and scaled to the list's.
void DrawMarks(HDC hDC, const RECT& row, const CSceneryRow& shown, bool bFilled, UINT nDpi) {
    auto scaled = [nDpi](int n) { return ScaleToDpi(n, nDpi); };
    const int x = row.left, y = row.top;
    CGdiObject box(CreatePen(PS_SOLID, scaled(2), RGB(0, 0, 0)));
    CSelectObject pen(hDC, box);
    CSelectObject brush(hDC, GetStockObject(NULL_BRUSH));
    Rectangle(hDC, x + scaled(2), y + scaled(2), x + scaled(14), y + scaled(14));
    if (shown.bActive) {
        CGdiObject tickPen(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        CSelectObject tick(hDC, tickPen);
        for (int d = 0; d < scaled(3); ++d) {
            POINT line[3] = {{x + scaled(4), y + scaled(6) + d},
                             {x + scaled(6), y + scaled(8) + d},
                             {x + scaled(11), y + scaled(3) + d}};
            Polyline(hDC, line, 3);
        }
    }
    if (shown.bInFolder) {
        CGdiObject dotPen(CreatePen(PS_SOLID, 1, kFolderDot));
        CGdiObject dotBrush(CreateSolidBrush(kFolderDot));
        CSelectObject outline(hDC, dotPen);
        CSelectObject fill(hDC,
                           bFilled ? static_cast<HGDIOBJ>(dotBrush) : GetStockObject(NULL_BRUSH));
        Ellipse(hDC, x + scaled(17), y + scaled(5), x + scaled(23), y + scaled(11));
    }
}

} // namespace

void CSceneryListBox::SetFlag(int nRow, DWORD nFlag, bool bSet) {
    DWORD nData = GetData(nRow);
    SetItemData(nRow, bSet ? (nData | nFlag) : (nData & ~nFlag));
    Invalidate(TRUE);
}

void CSceneryListBox::SetRowItem(int nRow, const CSceneryRow& row, bool bInSelectedFolder) {
    SetItemData(nRow, (static_cast<DWORD>(row.nArea) & kAreaIndexMask) |
                          (row.bActive ? 0 : kInactive) | (row.bInFolder ? 0 : kNotInFolder) |
                          (bInSelectedFolder ? 0 : kNotInSelectedFolder));
}

std::string_view CSceneryListBox::Title(int nRow) const {
    return m_pSource && nRow >= 0 && nRow < m_pSource->RowCount() ? m_pSource->Row(nRow).title
                                                                  : std::string_view();
}

void CSceneryListBox::ShowAllRows() {
    const std::vector<int> aSelected = GetSelRows();
    const int nCaret = GetCaretIndex();
    SetRedraw(FALSE);
    ResetContent();
    for (int n = 0; m_pSource && n < m_pSource->RowCount(); ++n) {
        const CSceneryRow row = m_pSource->Row(n);
        const int nRow = AddString(std::string(row.title));
        if (nRow < 0)
            break;
        SetRowItem(nRow, row, false);
    }
    SetRedraw(TRUE);
    Invalidate(TRUE);
    const int nCount = GetCount();
    const auto kept = std::lower_bound(aSelected.begin(), aSelected.end(), nCount);
    SelectRows({aSelected.begin(), kept}, nCaret < nCount ? nCaret : -1);
}

void CSceneryListBox::ShowRowMarks(int nRow, bool bInSelectedFolder) {
    if (nRow < GetCount())
        SetRowItem(nRow, m_pSource->Row(nRow), bInSelectedFolder);
    Invalidate(TRUE);
}

int CSceneryListBox::SelectPrefix(int nStartAfter, const std::string& text) {
    const int nCount = GetCount();
    for (int k = 1; k <= nCount; ++k) {
        const int nRow = (nStartAfter + k) % nCount;
        if (lstrcmpiA(std::string(Title(nRow).substr(0, text.size())).c_str(), text.c_str()) == 0)
            return SetCurSel(nRow);
    }
    return LB_ERR;
}

int CSceneryListBox::RowFromPoint(POINT point, bool& bOutside) const {
    const int nCount = GetCount();
    RECT client;
    GetClientRect(&client);
    bOutside = true;
    if (nCount <= 0)
        return -1;
    const int nHeight = GetItemHeight(0) > 0 ? GetItemHeight(0) : RowHeight();
    long long nRow = GetTopIndex() + (point.y < 0 ? -1 : point.y / nHeight);
    bOutside = !PtInRect(&client, point) || nRow < 0 || nRow >= nCount;
    return static_cast<int>(nRow < 0 ? 0 : nRow >= nCount ? nCount - 1 : nRow);
}

void CSceneryListBox::SetDpi(UINT nDpi) {
    m_nDpi = nDpi;
    ControlMessage(LB_SETITEMHEIGHT, 0, RowHeight());
    Invalidate(TRUE);
}

void CSceneryListBox::PreSubclassWindow() {
    // Measured at this DPI by the list box's own binding.
    m_nDpi = GetWindowDpi(m_hWnd);
    CListBox::PreSubclassWindow();
    EnableToolTips(TRUE);
}

void CSceneryListBox::MeasureItem(LPMEASUREITEMSTRUCT pMeasure) {
    pMeasure->itemHeight = static_cast<UINT>(RowHeight());
}

void CSceneryListBox::DrawItem(LPDRAWITEMSTRUCT pDraw) {
    HDC hDC = pDraw->hDC;
    const RECT& row = pDraw->rcItem;
    const int nMarkStrip = ScaleToDpi(kMarkStrip, m_nDpi);
    RECT text = {row.left + nMarkStrip, row.top, row.right, row.bottom};
    const int nRow = static_cast<int>(pDraw->itemID);
    const bool bSelected = (pDraw->itemState & ODS_SELECTED) != 0;
    if (nRow < 0 || m_pSource == nullptr || nRow >= m_pSource->RowCount())
        return;
    const CSceneryRow shown = m_pSource->Row(nRow);

    if (pDraw->itemAction & ODA_DRAWENTIRE) {
        const bool bFilled = !(pDraw->itemData & kNotInSelectedFolder);
        DrawMarks(hDC, row, shown, bFilled, m_nDpi);
        FillRect(hDC, &text, GetSysColorBrush(COLOR_WINDOW));
    }
    if (!bSelected)
        FillRect(hDC, &text, GetSysColorBrush(COLOR_WINDOW));
    else if (pDraw->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
        FillRect(hDC, &text, GetSysColorBrush(COLOR_HIGHLIGHT));

    SetBkMode(hDC, TRANSPARENT);
    RECT textRect = {row.left + nMarkStrip, row.top, row.right + nMarkStrip, row.bottom};
    const std::string_view title = shown.title;
    if (title.empty())
        return;
    SetTextColor(hDC, GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkColor(hDC, GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // Titles are data: an "&" in one is a character, not a mnemonic.
    DrawTextA(hDC, title.data(), static_cast<int>(title.size()), &textRect,
              DT_VCENTER | DT_NOPREFIX);
}

INT_PTR CSceneryListBox::OnToolHitTest(POINT point, TOOLINFOA* pTI) const {
    bool bOutside = false;
    int nRow = RowFromPoint(point, bOutside);
    if (nRow < 0)
        return -1;
    GetItemRect(nRow, &pTI->rect);
    pTI->hwnd = m_hWnd;
    pTI->uId = static_cast<UINT_PTR>(nRow);
    pTI->lpszText = LPSTR_TEXTCALLBACKA;
    return nRow;
}

BOOL CSceneryListBox::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    const std::string title(Title(static_cast<int>(pNMHDR->idFrom)));
    if (pNMHDR->code == TTN_NEEDTEXTA) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(pInfo->szText, title.c_str(), kTipChars);
    } else {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        std::wstring wide(title.size() + 1, L'\0');
        int n = MultiByteToWideChar(CP_ACP, 0, title.c_str(), static_cast<int>(title.size()),
                                    wide.data(), static_cast<int>(wide.size()));
        wide.resize(static_cast<std::size_t>(n < kTipChars ? n : kTipChars - 1));
        lstrcpynW(pInfo->szText, wide.c_str(), kTipChars);
    }
    *pResult = 0;
    return TRUE;
}

void CSceneryListBox::SendToParent(UINT nMessage, int nRow, LPARAM lParam) const {
    ::SendMessageA(GetParent(), nMessage, static_cast<WPARAM>(nRow), lParam);
}

void CSceneryListBox::OnLButtonDown(UINT nFlags, POINT point) {
    m_aGivenUp.clear();
    m_nDragIndex = m_nDropIndex = -1;
    m_bDragging = m_nScrollInterval = 0;
    bool bOutside = false;
    int nRow = RowFromPoint(point, bOutside);
    m_nPressRow = nRow;
    m_bPressInSelection = !bOutside && IsSelected(nRow);
    if (m_bPressInSelection) {
        m_nPressFlags = nFlags;
        m_pressPoint = point;
        ::SetFocus(m_hWnd);
    } else {
        Press(nFlags, point, bOutside ? -1 : nRow);
    }
    // Only selected rows are dragged: not one a Ctrl+press took out.
    if (!bOutside && IsSelected(nRow))
        m_nDragIndex = nRow;
}

// The second press of a double-click comes as this message alone.
void CSceneryListBox::OnLButtonDblClk(UINT, POINT point) {
    bool bOutside = false;
    m_nPressRow = RowFromPoint(point, bOutside);
    m_bPressInSelection = false;
    if (!bOutside && std::binary_search(m_aGivenUp.begin(), m_aGivenUp.end(), m_nPressRow))
        SelectRows(m_aGivenUp, m_nPressRow);
    m_aGivenUp.clear();
    Default();
}

void CSceneryListBox::OnMouseMove(UINT nFlags, POINT point) {
    // While the button is held after a press on a row the list's own
    // tracking is left out: it would select every row the pointer passes,
    // scroll by itself and move the selection off the dragged rows.
    if (!(nFlags & MK_LBUTTON) || m_nPressRow == -1)
        Default();
    if (!(nFlags & MK_LBUTTON) || m_nDragIndex == -1)
        return;
    if (!m_bDragging) {
        ::SetCapture(m_hWnd);
        m_bDragging = 1;
    }
    bool bOutside = false;
    int nRow = RowFromPoint(point, bOutside);
    RECT client;
    GetClientRect(&client);
    int nTarget = nRow;
    if (bOutside && !PtInRect(&client, point)) {
        AutoScroll(point, client);
        return;
    }
    StopAutoScroll();
    if (bOutside)
        nTarget = -1; // below the last row
    if (nTarget != m_nDropIndex)
        DrawInsertMark(nTarget);
}

void CSceneryListBox::DrawMarkLine(HDC hDC, int nPosition, COLORREF colour) {
    const int nCount = GetCount();
    if (nCount == 0 || nPosition >= nCount)
        return;
    RECT client, row;
    GetClientRect(&client);
    GetItemRect(nPosition == -1 ? nCount - 1 : nPosition, &row);
    POINT corner = nPosition == -1 ? POINT{0, row.bottom} : POINT{row.left, row.top};
    if (!PtInRect(&client, corner))
        return;
    int y = nPosition == -1 ? row.bottom : row.top + ScaleToDpi(1, m_nDpi);
    CGdiObject pen(CreatePen(PS_SOLID, ScaleToDpi(2, m_nDpi), colour));
    CSelectObject select(hDC, pen);
    MoveToEx(hDC, row.left, y, nullptr);
    LineTo(hDC, row.right - 1, y);
}

void CSceneryListBox::DrawInsertMark(int nPosition) {
    HDC hDC = GetDC(m_hWnd);
    if (m_nDropIndex != m_nDragIndex)
        DrawMarkLine(hDC, m_nDropIndex, RGB(255, 255, 255));
    m_nDropIndex = nPosition;
    if (nPosition != m_nDragIndex)
        DrawMarkLine(hDC, nPosition, RGB(0, 0, 0));
    ReleaseDC(m_hWnd, hDC);
}

void CSceneryListBox::StopAutoScroll() {
    KillTimer(m_hWnd, kScrollDown);
    KillTimer(m_hWnd, kScrollUp);
    m_nScrollInterval = 0;
}

void CSceneryListBox::AutoScroll(POINT point, const RECT& client) {
    const int nHeight = client.bottom - client.top;
    UINT_PTR nTimer = 0;
    int nDistance = 0;
    if (point.y > nHeight) {
        nTimer = kScrollDown;
        nDistance = point.y - nHeight;
    } else if (point.y < 0) {
        nTimer = kScrollUp;
        nDistance = -point.y;
    } else {
        StopAutoScroll();
        return;
    }
    int nInterval = 250 / (nDistance / GetItemHeight(0) + 1);
    if (nInterval == m_nScrollInterval)
        return;
    m_nScrollInterval = nInterval;
    SetTimer(m_hWnd, nTimer, static_cast<UINT>(nInterval), nullptr);
    ScrollStep(nTimer);
}

// One row further; the drop position stays within the rows and the end
// position (-1, after the last row).
void CSceneryListBox::ScrollStep(UINT_PTR nTimer) {
    const int nLast = GetCount() - 1;
    if (nTimer == kScrollDown) {
        DrawInsertMark(m_nDropIndex == -1 || m_nDropIndex >= nLast ? -1 : m_nDropIndex + 1);
        SetTopIndex(GetTopIndex() + 1);
    } else if (nTimer == kScrollUp) {
        DrawInsertMark(m_nDropIndex == -1 ? nLast : (m_nDropIndex > 0 ? m_nDropIndex - 1 : 0));
        SetTopIndex(GetTopIndex() > 0 ? GetTopIndex() - 1 : 0);
    }
}

void CSceneryListBox::OnTimer(UINT_PTR nIDEvent) {
    ScrollStep(nIDEvent);
    Default();
}

void CSceneryListBox::OnLButtonUp(UINT, POINT point) {
    bool bOutside = false;
    int nRow = RowFromPoint(point, bOutside);
    RECT client;
    GetClientRect(&client);
    const bool bInside = PtInRect(&client, point) != FALSE;
    // The check zone counts only inside the list and on the row pressed: a
    // drag let go beside the list or over another row's box only drops. A
    // selected row's box switches the whole selection, which stays.
    bool bSwitched = false;
    if (nRow >= 0 && bInside && nRow == m_nPressRow) {
        RECT row;
        GetItemRect(nRow, &row);
        bSwitched = point.x - row.left < CheckZone();
        if (bSwitched)
            SendToParent(WM_SCENERY_TOGGLE, nRow, IsSelected(nRow) ? 1 : 0);
    }
    if (m_bPressInSelection && !m_bDragging && !bSwitched) {
        m_aGivenUp = GetSelRows();
        Press(m_nPressFlags, m_pressPoint, m_nPressRow);
    }
    m_bPressInSelection = false;
    if (m_nDragIndex != -1 && m_bDragging) {
        StopAutoScroll();
        m_bDragging = 0;
        ReleaseCapture();
        if (bInside) {
            DoDrop();
        } else {
            Invalidate(TRUE);
            UpdateWindow(m_hWnd);
        }
    }
    // A drag starts only from a press in the list.
    m_nDragIndex = m_nDropIndex = m_nPressRow = -1;
    Default();
}

void CSceneryListBox::DoDrop() {
    ::SendMessageA(GetParent(), WM_SCENERY_MOVE, static_cast<WPARAM>(m_nDragIndex),
                   static_cast<LPARAM>(m_nDropIndex));
    NotifySelChange();
}

void CSceneryListBox::OnKeyDown(UINT nChar, UINT, UINT) {
    const bool bSelected = GetSelCount() > 0;
    if (bSelected && nChar == VK_SPACE) {
        // As a click in the caret row's box; the list's own Space would
        // select the caret row alone.
        SendToParent(WM_SCENERY_TOGGLE, GetCaretIndex(), 1);
        return;
    }
    if (nChar == 'A' && GetKeyState(VK_CONTROL) < 0) {
        SelectAll();
        return;
    }
    if (bSelected && nChar == VK_DELETE)
        SendToParent(WM_SCENERY_DELETE, GetCaretIndex());
    Default();
}

void CSceneryListBox::OnDblclk() {
    if (GetSelCount() > 0)
        SendToParent(WM_SCENERY_DBLCLK, GetCurSel());
}

BEGIN_MESSAGE_MAP(CSceneryListBox, CListBox)
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_CONTROL_REFLECT(LBN_DBLCLK, OnDblclk)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()
