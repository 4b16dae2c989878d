#include "IndexProgressDlg.h"

#include "resource.h"

#include <new>
#include <utility>

namespace {

constexpr UINT WM_INDEX_PROGRESS = 0x3120; // the worker read another file
constexpr UINT WM_INDEX_DONE = 0x3121;     // the worker ended
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kShowAfterMs = 500;

} // namespace

CIndexProgressDlg::CIndexProgressDlg(CIndexWork work, CWnd* pParent)
    : CDialog(IDD_INDEX_PROGRESS, pParent), m_work(std::move(work)) {}

CIndexProgressDlg::~CIndexProgressDlg() {
    // Only when the modal loop ended early (the program quits): the worker
    // stops at its next file.
    m_bCancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void CIndexProgressDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_INDEX_PROGRESS, m_progress);
}

BOOL CIndexProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetTimer(m_hWnd, kShowTimer, kShowAfterMs, nullptr);
    const HWND hWnd = m_hWnd;
    m_worker = std::thread([this, hWnd] {
        // An exception leaving the thread would end the program.
        try {
            m_index = m_work([this, hWnd](std::size_t nDone, std::size_t nTotal) {
                m_nDone = nDone;
                m_nTotal = nTotal;
                if (!m_bProgressPosted.exchange(true))
                    ::PostMessageA(hWnd, WM_INDEX_PROGRESS, 0, 0);
                return !m_bCancel;
            });
        } catch (const std::bad_alloc&) {
            m_bOutOfMemory = true;
        }
        ::PostMessageA(hWnd, WM_INDEX_DONE, 0, 0);
    });
    return TRUE;
}

void CIndexProgressDlg::OnCancel() {
    m_bCancel = true;
    EnableWindow(GetDlgItem(IDCANCEL), FALSE);
}

void CIndexProgressDlg::OnTimer(UINT_PTR) {
    KillTimer(m_hWnd, kShowTimer);
    m_bShown = true;
    ShowWindow(m_hWnd, SW_SHOW);
}

LRESULT CIndexProgressDlg::OnWindowPosChanging(WPARAM wParam, LPARAM lParam) {
    // The modal loop shows the dialog at once; it waits for the timer.
    if (!m_bShown)
        reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
    return Default(WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT CIndexProgressDlg::OnProgress(WPARAM, LPARAM) {
    m_bProgressPosted = false;
    m_progress.SetRange32(0, static_cast<int>(m_nTotal));
    m_progress.SetPos(static_cast<int>(m_nDone));
    return 0;
}

LRESULT CIndexProgressDlg::OnDone(WPARAM, LPARAM) {
    m_worker.join();
    EndDialog(m_index.bComplete && !m_bOutOfMemory ? IDOK : IDCANCEL);
    return 0;
}

BEGIN_MESSAGE_MAP(CIndexProgressDlg, CDialog)
ON_WM_TIMER()
ON_MESSAGE(WM_WINDOWPOSCHANGING, OnWindowPosChanging)
ON_MESSAGE(WM_INDEX_PROGRESS, OnProgress)
ON_MESSAGE(WM_INDEX_DONE, OnDone)
END_MESSAGE_MAP()
