#include "Wnd.h"

#include "WinApp.h"

#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Window handle to object, for this thread's windows: a look-up per message,
// so it stays in the process (a window property would ask the system).
thread_local std::unordered_map<HWND, CWnd*> t_aObjects;

} // namespace

CWnd::~CWnd() {
    if (m_hTipWnd)
        DestroyWindow(m_hTipWnd);
    if (m_hWnd)
        Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    auto found = t_aObjects.find(hWnd);
    return found == t_aObjects.end() ? nullptr : found->second;
}

bool CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == nullptr || FromHandle(hWnd) != nullptr)
        return false;
    m_hWnd = hWnd;
    t_aObjects[hWnd] = this;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return true;
}

bool CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd && m_pfnSuper)
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    if (hWnd)
        t_aObjects.erase(hWnd);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    return hWnd;
}

std::string CWnd::GetWindowText() const {
    std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1);
    int n = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(n));
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = FromHandle(hWnd);
    if (pWnd == nullptr)
        return DefWindowProcA(hWnd, nMessage, wParam, lParam);
    if (nMessage == WM_NCDESTROY) {
        WNDPROC pfnSuper = pWnd->m_pfnSuper;
        pWnd->Detach();
        pWnd->m_hTipWnd = nullptr; // owned by the window, so destroyed with it
        pWnd->m_nLastTool = -1;
        return CallWindowProcA(pfnSuper, hWnd, nMessage, wParam, lParam);
    }
    return pWnd->WindowProc(nMessage, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    const CMessage outer = std::exchange(m_current, CMessage{nMessage, wParam, lParam});
    LRESULT result = 0;
    if (!OnWndMsg(nMessage, wParam, lParam, result))
        result = Default(nMessage, wParam, lParam);
    m_current = outer;
    return result;
}

LRESULT CWnd::Default(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    return m_pfnSuper ? CallWindowProcA(m_pfnSuper, m_hWnd, nMessage, wParam, lParam)
                      : DefWindowProcA(m_hWnd, nMessage, wParam, lParam);
}

bool CWnd::OnWndMsg(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (nMessage) {
    case WM_COMMAND: {
        CWnd* pChild = FromHandle(reinterpret_cast<HWND>(lParam));
        if (pChild && pChild->OnChildNotify(nMessage, wParam, lParam, result))
            return true;
        UINT nID = LOWORD(wParam), nCode = HIWORD(wParam);
        return DispatchMessageEntry(WM_COMMAND, nCode, nID, wParam, lParam, result) ||
               OnUnhandledCommand(nID, nCode);
    }
    case WM_NOTIFY: {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        return DispatchMessageEntry(WM_NOTIFY, pHdr->code, static_cast<UINT>(pHdr->idFrom), wParam,
                                    lParam, result);
    }
    case WM_DRAWITEM: {
        auto* pDraw = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        CWnd* pChild = FromHandle(pDraw->hwndItem);
        if (pChild == nullptr)
            break;
        pChild->DrawItem(pDraw);
        result = TRUE;
        return true;
    }
    case WM_MEASUREITEM: {
        auto* pMeasure = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        CWnd* pChild = FromHandle(GetDlgItem(static_cast<int>(pMeasure->CtlID)));
        if (pChild == nullptr)
            break;
        pChild->MeasureItem(pMeasure);
        result = TRUE;
        return true;
    }
    default:
        break;
    }
    return DispatchMessageEntry(nMessage, 0, 0, wParam, lParam, result);
}

bool CWnd::OnChildNotify(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return DispatchMessageEntry(WM_REFLECT_BASE + nMessage, HIWORD(wParam), 0, wParam, lParam,
                                result);
}

bool CWnd::OnUnhandledCommand(UINT nID, UINT nCode) {
    CWinApp* pApp = AfxGetApp();
    LRESULT result = 0;
    return pApp && pApp->DispatchMessageEntry(WM_COMMAND, nCode, nID, 0, 0, result);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

INT_PTR CWnd::OnToolHitTest(POINT, TOOLINFOA*) const {
    return -1;
}

void CWnd::FilterToolTipMessage(MSG* pMsg) {
    if (!m_bToolTips || pMsg->hwnd != m_hWnd ||
        !(pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN ||
          pMsg->message == WM_LBUTTONUP || pMsg->message == WM_RBUTTONDOWN ||
          pMsg->message == WM_RBUTTONUP))
        return;
    if (m_hTipWnd == nullptr) {
        // The tips show the window's data (such as titles), where an "&" is
        // a character.
        m_hTipWnd =
            CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(m_hTipWnd, TTM_ACTIVATE, TRUE, 0);
    }
    POINT point = {static_cast<short>(LOWORD(pMsg->lParam)),
                   static_cast<short>(HIWORD(pMsg->lParam))};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    INT_PTR nTool = OnToolHitTest(point, &info);
    if (nTool != m_nLastTool) {
        TOOLINFOA old{};
        old.cbSize = TTTOOLINFOA_V2_SIZE;
        old.hwnd = m_hWnd;
        old.uId = static_cast<UINT_PTR>(m_nLastTool);
        if (m_nLastTool != -1)
            ::SendMessageA(m_hTipWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&old));
        if (nTool != -1)
            ::SendMessageA(m_hTipWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
        m_nLastTool = nTool;
    }
    ::SendMessageA(m_hTipWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(pMsg));
}
