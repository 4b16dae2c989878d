#pragma once

// CWnd: a C++ object attached to a window handle. The window's messages go
// through the object's message table; what no entry serves goes on to the
// window procedure the window had before it was attached.

#include "CmdTarget.h"

#include <commctrl.h>

#include <string>

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The object attached to a window, or null.
    static CWnd* FromHandle(HWND hWnd);

    // Attaches the object to an existing window and routes its messages here.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND Detach();

    virtual LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The control's own share of owner drawing and reflected notifications.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
    virtual void MeasureItem(LPMEASUREITEMSTRUCT) {}
    // Row tips: the tool under a point (client coordinates), or -1.
    virtual INT_PTR OnToolHitTest(POINT point, TOOLINFOA* pTI) const;
    void EnableToolTips(BOOL bEnable = TRUE) { m_bToolTips = bEnable != FALSE; }
    // Shows the tips of EnableToolTips for a mouse message aimed at this window.
    void FilterToolTipMessage(MSG* pMsg);

    LRESULT SendMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, nMessage, wParam, lParam);
    }
    BOOL PostMessage(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, nMessage, wParam, lParam);
    }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    void SetFont(HFONT hFont, BOOL bRedraw = TRUE) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
    }
    void SetIcon(HICON hIcon, BOOL bBigIcon) {
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
    }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void SetFocus() { ::SetFocus(m_hWnd); }

    HWND m_hWnd = nullptr;

protected:
    virtual void PreSubclassWindow() {}
    LRESULT Default(UINT nMessage, WPARAM wParam, LPARAM lParam);
    // The standard processing of the message being handled.
    LRESULT Default() { return Default(m_current.nMessage, m_current.wParam, m_current.lParam); }
    // The table's handler for a message, after owner drawing and reflection.
    bool OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification sent to the parent, offered to the control first.
    bool OnChildNotify(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Commands no window serves go to the application's table.
    virtual bool OnUnhandledCommand(UINT nID, UINT nCode);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam,
                                             LPARAM lParam);

    struct CMessage {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };

    WNDPROC m_pfnSuper = nullptr;
    CMessage m_current{};
    bool m_bToolTips = false;
    HWND m_hTipWnd = nullptr;
    INT_PTR m_nLastTool = -1;
};
