#pragma once

// One small class per standard control: one-line calls on its messages.

#include "Gdi.h"
#include "Wnd.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(
            SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
};

class CEdit : public CWnd {
public:
    void LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
};

// A standard control whose own messages go straight to its window-class
// procedure: no handler of ours serves them, and under Wine a tooltip that
// watches the control makes each message that passes it cost a system call.
class CStandardControl : public CWnd {
protected:
    void PreSubclassWindow() override {
        m_pfnControl = reinterpret_cast<WNDPROC>(GetClassLongPtrA(m_hWnd, GCLP_WNDPROC));
    }
    LRESULT ControlMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return CallWindowProcA(m_pfnControl, m_hWnd, nMessage, wParam, lParam);
    }

private:
    WNDPROC m_pfnControl = nullptr;
};

class CListBox : public CStandardControl {
public:
    int GetCount() const { return static_cast<int>(ControlMessage(LB_GETCOUNT)); }
    // The one row selected: with several allowed, the caret row when it is
    // selected, else the topmost selected; LB_ERR for none.
    int GetCurSel() const;
    // Only that row selected, with the caret, and in view; -1 selects none.
    int SetCurSel(int nSelect);
    // A list that lets several rows be selected answers the single-selection
    // calls with the caret, or not at all: these work for both kinds.
    bool IsMultipleSelection() const {
        return (GetWindowLongA(m_hWnd, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
    }
    int GetSelCount() const;
    // The rows selected, top first.
    std::vector<int> GetSelRows() const;
    bool IsSelected(int nIndex) const { return ControlMessage(LB_GETSEL, nIndex) > 0; }
    int GetCaretIndex() const { return static_cast<int>(ControlMessage(LB_GETCARETINDEX)); }
    // In a list that lets several rows be selected: exactly the rows
    // selected, the caret and the anchor of a Shift+click on nCaret (unless
    // -1), which comes into view.
    void SelectRows(std::span<const int> aRows, int nCaret);
    int GetTopIndex() const { return static_cast<int>(ControlMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return static_cast<int>(ControlMessage(LB_SETTOPINDEX, nIndex)); }
    int AddString(const std::string& text) {
        return static_cast<int>(
            ControlMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int InsertString(int nIndex, const std::string& text) {
        return static_cast<int>(
            ControlMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int DeleteString(int nIndex) {
        return static_cast<int>(ControlMessage(LB_DELETESTRING, nIndex));
    }
    void ResetContent() { ControlMessage(LB_RESETCONTENT); }
    void SetRedraw(BOOL bRedraw) { ControlMessage(WM_SETREDRAW, bRedraw); }
    // The row's whole text; empty for a row that does not exist.
    std::string GetText(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(ControlMessage(LB_GETITEMDATA, nIndex));
    }
    int SetItemData(int nIndex, DWORD_PTR nData) {
        return static_cast<int>(ControlMessage(LB_SETITEMDATA, nIndex, static_cast<LPARAM>(nData)));
    }
    int GetItemRect(int nIndex, RECT* pRect) const {
        return static_cast<int>(
            ControlMessage(LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(pRect)));
    }
    int GetItemHeight(int nIndex) const {
        return static_cast<int>(ControlMessage(LB_GETITEMHEIGHT, nIndex));
    }

protected:
    // A fixed-height owner-drawn list is measured while the dialog is being
    // created, before any object is attached to it: measure it again here.
    void PreSubclassWindow() override;
};

class CTreeCtrl : public CStandardControl {
public:
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType) {
        return reinterpret_cast<HIMAGELIST>(ControlMessage(
            TVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(pImageList->m_hImageList)));
    }
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    BOOL DeleteItem(HTREEITEM hItem) {
        return static_cast<BOOL>(
            ControlMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(hItem)));
    }
    // Puts an item under the parent (TVI_ROOT for a top-level item) after
    // hAfter (TVI_FIRST, TVI_LAST or a sibling), showing the image
    // (I_IMAGECALLBACK: asked for at each drawing) whether selected or not.
    HTREEITEM InsertItem(const std::string& text, HTREEITEM hParent, int nImage,
                         HTREEITEM hAfter = TVI_LAST);
    std::string GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, const std::string& text);
    BOOL Expand(HTREEITEM hItem, UINT nCode) {
        return static_cast<BOOL>(
            ControlMessage(TVM_EXPAND, nCode, reinterpret_cast<LPARAM>(hItem)));
    }
    BOOL EnsureVisible(HTREEITEM hItem) {
        return static_cast<BOOL>(
            ControlMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem)));
    }
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const {
        return reinterpret_cast<HTREEITEM>(
            ControlMessage(TVM_GETNEXTITEM, nCode, reinterpret_cast<LPARAM>(hItem)));
    }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    UINT GetItemState(HTREEITEM hItem, UINT nMask) const {
        return static_cast<UINT>(
            ControlMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), nMask));
    }
    BOOL SelectItem(HTREEITEM hItem) {
        return static_cast<BOOL>(
            ControlMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hItem)));
    }
    HTREEITEM HitTest(POINT point, UINT* pFlags) const;
};

// A column of a list view: its heading, and its width at 96 DPI.
struct CListColumn {
    const char* pszHeading;
    int nWidth;
};

// A list view in report style.
class CListCtrl : public CStandardControl {
public:
    DWORD SetExtendedStyle(DWORD nExStyle) {
        return static_cast<DWORD>(ControlMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, nExStyle));
    }
    int InsertColumn(int nColumn, const std::string& heading, int nWidth);
    int GetColumnWidth(int nColumn) const {
        return static_cast<int>(ControlMessage(LVM_GETCOLUMNWIDTH, nColumn));
    }
    BOOL SetColumnWidth(int nColumn, int nWidth) {
        return static_cast<BOOL>(ControlMessage(LVM_SETCOLUMNWIDTH, nColumn, nWidth));
    }
    // Rows selected whole, and the columns sized for the list's DPI.
    void InsertColumns(std::span<const CListColumn> columns);
    // The columns keep their proportion at another DPI: the widths the user
    // gave them survive a change of monitor.
    void ScaleColumnsToDpi(UINT nDpi);
    // The rows of a list whose items the parent keeps (LVS_OWNERDATA), all
    // drawn anew: it asks for the texts of the rows it draws.
    void SetItemCount(int nItems) { ControlMessage(LVM_SETITEMCOUNT, nItems); }
    int GetItemCount() const { return static_cast<int>(ControlMessage(LVM_GETITEMCOUNT)); }
    int GetNextItem(int nItem, int nFlags) const {
        return static_cast<int>(ControlMessage(LVM_GETNEXTITEM, nItem, nFlags));
    }
    // nItem -1: every item.
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    std::string GetItemText(int nItem, int nSubItem) const;

private:
    int m_nColumns = 0;
    UINT m_nColumnsDpi = 0; // the DPI the columns are sized for
};

// Answers a list that asks its parent for a cell's text (LVN_GETDISPINFOA)
// with what cellText gives for a row below nRows; a row the parent no
// longer has stays empty.
void AnswerListText(NMHDR* pNMHDR, std::size_t nRows,
                    const std::function<std::string(std::size_t nRow, int nColumn)>& cellText);

class CProgressCtrl : public CStandardControl {
public:
    void SetRange32(int nLower, int nUpper) { ControlMessage(PBM_SETRANGE32, nLower, nUpper); }
    int SetPos(int nPos) { return static_cast<int>(ControlMessage(PBM_SETPOS, nPos)); }
};

class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override;
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    int SetMaxTipWidth(int nWidth) {
        return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, nWidth));
    }
    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
};
