#include "HelpToolTipCtrl.h"

LRESULT CHelpToolTipCtrl::AddControlTip(HWND hControl, const char* pszText) {
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = ::GetParent(hControl);
    info.uId = reinterpret_cast<UINT_PTR>(hControl);
    info.hinst = GetModuleHandleA(nullptr);
    info.lpszText = const_cast<char*>(pszText);
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}
