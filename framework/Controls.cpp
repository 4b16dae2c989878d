#include "Controls.h"

#include <vector>

std::string CListBox::GetText(int nIndex) const {
    LRESULT nLength = ListMessage(LB_GETTEXTLEN, nIndex);
    if (nLength < 0)
        return {};
    std::vector<char> text(static_cast<std::size_t>(nLength) + 1);
    LRESULT nCopied = ListMessage(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(text.data()));
    return nCopied < 0 ? std::string()
                       : std::string(text.data(), static_cast<std::size_t>(nCopied));
}

int CListBox::SelectPrefix(int nStartAfter, const std::string& text) {
    const int nCount = GetCount();
    for (int k = 1; k <= nCount; ++k) {
        int nRow = (nStartAfter + k) % nCount;
        if (lstrcmpiA(GetText(nRow).substr(0, text.size()).c_str(), text.c_str()) == 0)
            return SetCurSel(nRow);
    }
    return LB_ERR;
}

void CListBox::PreSubclassWindow() {
    m_pfnListBox = reinterpret_cast<WNDPROC>(GetClassLongPtrA(m_hWnd, GCLP_WNDPROC));
    if (!(GetWindowLongA(m_hWnd, GWL_STYLE) & LBS_OWNERDRAWFIXED))
        return;
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(GetDlgCtrlID());
    measure.itemHeight = static_cast<UINT>(GetItemHeight(0));
    MeasureItem(&measure);
    ListMessage(LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(measure.itemHeight));
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
