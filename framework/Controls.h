#pragma once

// One small class per standard control: one-line calls on its messages.

#include "Gdi.h"
#include "Wnd.h"

#include <string>

class CButton : public CWnd {
public:
    HICON SetIcon(HICON hIcon) {
        return reinterpret_cast<HICON>(
            SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
};

class CEdit : public CWnd {
public:
    void LimitText(int nChars) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(nChars)); }
};

class CListBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(ListMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(ListMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(ListMessage(LB_SETCURSEL, nSelect)); }
    int GetTopIndex() const { return static_cast<int>(ListMessage(LB_GETTOPINDEX)); }
    int SetTopIndex(int nIndex) { return static_cast<int>(ListMessage(LB_SETTOPINDEX, nIndex)); }
    int AddString(const std::string& text) {
        return static_cast<int>(
            ListMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int InsertString(int nIndex, const std::string& text) {
        return static_cast<int>(
            ListMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int DeleteString(int nIndex) { return static_cast<int>(ListMessage(LB_DELETESTRING, nIndex)); }
    void ResetContent() { ListMessage(LB_RESETCONTENT); }
    void SetRedraw(BOOL bRedraw) { ListMessage(WM_SETREDRAW, bRedraw); }
    // The row's whole text; empty for a row that does not exist.
    std::string GetText(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(ListMessage(LB_GETITEMDATA, nIndex));
    }
    int SetItemData(int nIndex, DWORD_PTR nData) {
        return static_cast<int>(ListMessage(LB_SETITEMDATA, nIndex, static_cast<LPARAM>(nData)));
    }
    int GetItemRect(int nIndex, RECT* pRect) const {
        return static_cast<int>(
            ListMessage(LB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(pRect)));
    }
    int GetItemHeight(int nIndex) const {
        return static_cast<int>(ListMessage(LB_GETITEMHEIGHT, nIndex));
    }
    // Selects the first row after nStartAfter, wrapping round to it, whose
    // text begins with the text, case ignored; LB_ERR when none does. (Not
    // every list box's own LB_SELECTSTRING lets the empty text match.)
    int SelectPrefix(int nStartAfter, const std::string& text);

protected:
    // A fixed-height owner-drawn list is measured while the dialog is being
    // created, before any object is attached to it: measure it again here.
    void PreSubclassWindow() override;

private:
    // The list-box messages go straight to the list box's own procedure:
    // no handler of ours serves them, and a tooltip that watches the list
    // would make each cost a system call under Wine, per row of a refill.
    LRESULT ListMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return CallWindowProcA(m_pfnListBox, m_hWnd, nMessage, wParam, lParam);
    }

    WNDPROC m_pfnListBox = nullptr;
};

class CTreeCtrl : public CWnd {
public:
    HIMAGELIST SetImageList(CImageList* pImageList, int nImageListType) {
        return reinterpret_cast<HIMAGELIST>(SendMessage(
            TVM_SETIMAGELIST, nImageListType, reinterpret_cast<LPARAM>(pImageList->m_hImageList)));
    }
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
