#include "Dialog.h"

#include "WinApp.h"

#include <utility>

namespace {

// The dialog whose window is being created: its dialog procedure attaches
// the object at the window's first message, so that even the messages sent
// before WM_INITDIALOG reach the object.
thread_local CDialog* t_pCreating = nullptr;

// Tree views and tooltips need their window classes registered before a
// template holding one is created.
void RegisterCommonControls() {
    static const bool bDone = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)bDone;
}

bool IsPushButton(HWND hWnd) {
    char szClass[16];
    if (GetClassNameA(hWnd, szClass, sizeof szClass) == 0 || lstrcmpiA(szClass, "Button") != 0)
        return false;
    LONG nType = GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK;
    return nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON;
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nID, CWnd& control) {
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(nID), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hWnd, UINT, WPARAM, LPARAM) {
    if (t_pCreating != nullptr && FromHandle(hWnd) == nullptr)
        std::exchange(t_pCreating, nullptr)->SubclassWindow(hWnd);
    return FALSE;
}

INT_PTR CDialog::DoModal() {
    RegisterCommonControls();
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    CWinApp* pApp = AfxGetApp();
    if (hOwner == nullptr && pApp && pApp->m_pMainWnd && pApp->m_pMainWnd != this)
        hOwner = pApp->m_pMainWnd->m_hWnd;

    m_bInModalLoop = true;
    m_nModalResult = -1;
    t_pCreating = this;
    HWND hWnd = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate),
                                   hOwner, &CDialog::StaticDialogProc, 0);
    t_pCreating = nullptr;
    if (hWnd == nullptr)
        return -1;
    const bool bDisableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (bDisableOwner)
        EnableWindow(hOwner, FALSE);
    ShowWindow(hWnd, SW_SHOW);

    MSG msg;
    while (m_bInModalLoop) {
        BOOL bGot = GetMessageA(&msg, nullptr, 0, 0);
        if (bGot <= 0) {
            if (bGot == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!PreTranslateMessage(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    // The owner comes back first, so activation can pass to it; hiding the
    // dialog before destroying it takes the focus from its controls, which
    // hand over what they hold when they lose it.
    if (bDisableOwner)
        EnableWindow(hOwner, TRUE);
    SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (hOwner)
        SetActiveWindow(hOwner);
    DestroyWindow(hWnd);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bInModalLoop = false;
    PostMessage(WM_NULL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (CWnd* pTarget = FromHandle(pMsg->hwnd))
        pTarget->FilterToolTipMessage(pMsg);
    return IsDialogMessageA(m_hWnd, pMsg);
}

LRESULT CDialog::WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) {
    if (nMessage == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(nMessage, wParam, lParam);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL) {
    CDataExchange exchange(this);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHandler) {
    for (HWND hChild = GetWindow(m_hWnd, GW_CHILD); hChild;
         hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        UINT nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        CCmdUI state(nID, hChild);
        LRESULT result = 0;
        if (pTarget->DispatchMessageEntry(WM_COMMAND, CN_UPDATE_COMMAND_UI, nID, 0,
                                          reinterpret_cast<LPARAM>(&state), result))
            continue;
        if (bDisableIfNoHandler && IsPushButton(hChild))
            EnableWindow(hChild, pTarget->HasHandler(WM_COMMAND, BN_CLICKED, nID));
    }
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()
