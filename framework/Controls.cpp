#include "Controls.h"

#include "Dpi.h"

#include <vector>

std::string CListBox::GetText(int nIndex) const {
    LRESULT nLength = ControlMessage(LB_GETTEXTLEN, nIndex);
    if (nLength < 0)
        return {};
    std::vector<char> text(static_cast<std::size_t>(nLength) + 1);
    LRESULT nCopied = ControlMessage(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(text.data()));
    return nCopied < 0 ? std::string()
                       : std::string(text.data(), static_cast<std::size_t>(nCopied));
}

int CListBox::GetCurSel() const {
    if (!IsMultipleSelection())
        return static_cast<int>(ControlMessage(LB_GETCURSEL));
    if (GetSelCount() <= 0)
        return LB_ERR;
    const int nCaret = GetCaretIndex();
    return IsSelected(nCaret) ? nCaret : GetSelRows().front();
}

int CListBox::SetCurSel(int nSelect) {
    if (!IsMultipleSelection())
        return static_cast<int>(ControlMessage(LB_SETCURSEL, nSelect));
    if (nSelect < 0 || nSelect >= GetCount()) {
        SelectRows({}, -1);
        return LB_ERR;
    }
    SelectRows({{nSelect}}, nSelect);
    return nSelect;
}

int CListBox::GetSelCount() const {
    if (!IsMultipleSelection())
        return GetCurSel() == LB_ERR ? 0 : 1;
    return static_cast<int>(ControlMessage(LB_GETSELCOUNT));
}

std::vector<int> CListBox::GetSelRows() const {
    if (!IsMultipleSelection()) {
        const int nSelected = GetCurSel();
        return nSelected == LB_ERR ? std::vector<int>() : std::vector<int>{nSelected};
    }
    std::vector<int> aRows(static_cast<std::size_t>(GetSelCount()));
    const LRESULT nCopied =
        ControlMessage(LB_GETSELITEMS, aRows.size(), reinterpret_cast<LPARAM>(aRows.data()));
    aRows.resize(nCopied < 0 ? 0 : static_cast<std::size_t>(nCopied));
    return aRows;
}

void CListBox::SelectRows(std::span<const int> aRows, int nCaret) {
    ControlMessage(LB_SETSEL, FALSE, -1);
    for (int nRow : aRows)
        ControlMessage(LB_SETSEL, TRUE, nRow);
    if (nCaret < 0)
        return;
    ControlMessage(LB_SETANCHORINDEX, static_cast<WPARAM>(nCaret));
    ControlMessage(LB_SETCARETINDEX, static_cast<WPARAM>(nCaret), FALSE);
}

void CListBox::PreSubclassWindow() {
    CStandardControl::PreSubclassWindow();
    if (!(GetWindowLongA(m_hWnd, GWL_STYLE) & LBS_OWNERDRAWFIXED))
        return;
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID());
    measure.itemHeight = static_cast<UINT>(GetItemHeight(0));
    MeasureItem(&measure);
    ControlMessage(LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(measure.itemHeight));
}

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, HTREEITEM hParent, int nImage,
                                HTREEITEM hAfter) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = hParent;
    insert.hInsertAfter = hAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = insert.item.iSelectedImage = nImage;
    return reinterpret_cast<HTREEITEM>(
        ControlMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    // Labels come from folder names and area titles, which stay far below this.
    char text[1024] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ControlMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.pszText ? std::string(item.pszText) : std::string();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, const std::string& text) {
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<BOOL>(ControlMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

HTREEITEM CTreeCtrl::HitTest(POINT point, UINT* pFlags) const {
    TVHITTESTINFO hit{};
    hit.pt = point;
    HTREEITEM hItem =
        reinterpret_cast<HTREEITEM>(ControlMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    *pFlags = hit.flags;
    return hItem;
}

int CListCtrl::InsertColumn(int nColumn, const std::string& heading, int nWidth) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<char*>(heading.c_str());
    column.cx = nWidth;
    return static_cast<int>(
        ControlMessage(LVM_INSERTCOLUMNA, nColumn, reinterpret_cast<LPARAM>(&column)));
}

void CListCtrl::InsertColumns(std::span<const CListColumn> columns) {
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_nColumnsDpi = GetWindowDpi(m_hWnd);
    m_nColumns = static_cast<int>(columns.size());
    for (int n = 0; n < m_nColumns; ++n)
        InsertColumn(n, columns[static_cast<std::size_t>(n)].pszHeading,
                     ScaleToDpi(columns[static_cast<std::size_t>(n)].nWidth, m_nColumnsDpi));
}

void CListCtrl::ScaleColumnsToDpi(UINT nDpi) {
    for (int n = 0; n < m_nColumns; ++n)
        SetColumnWidth(
            n, MulDiv(GetColumnWidth(n), static_cast<int>(nDpi), static_cast<int>(m_nColumnsDpi)));
    m_nColumnsDpi = nDpi;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEMA item{};
    item.state = nState;
    item.stateMask = nMask;
    return static_cast<BOOL>(
        ControlMessage(LVM_SETITEMSTATE, nItem, reinterpret_cast<LPARAM>(&item)));
}

std::string CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // Cells hold idents, names and area titles, which stay far below this.
    char text[1024] = "";
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    const LRESULT nLength =
        ControlMessage(LVM_GETITEMTEXTA, nItem, reinterpret_cast<LPARAM>(&item));
    return std::string(item.pszText, static_cast<std::size_t>(nLength));
}

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd)
        DestroyWindow(Detach());
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    HWND hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    return SubclassWindow(hWnd);
}

void AnswerListText(NMHDR* pNMHDR, std::size_t nRows,
                    const std::function<std::string(std::size_t nRow, int nColumn)>& cellText) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && static_cast<std::size_t>(item.iItem) < nRows)
        lstrcpynA(item.pszText,
                  cellText(static_cast<std::size_t>(item.iItem), item.iSubItem).c_str(),
                  item.cchTextMax);
}
