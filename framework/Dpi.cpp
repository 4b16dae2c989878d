#include "Dpi.h"

UINT GetWindowDpi(HWND hWnd) {
    // Looked up at run time: the program still starts on systems before it.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto pfnGetDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (pfnGetDpiForWindow != nullptr) {
        if (UINT nDpi = pfnGetDpiForWindow(hWnd))
            return nDpi;
    }
    HDC hDC = GetDC(hWnd);
    const int nDpi = GetDeviceCaps(hDC, LOGPIXELSY);
    ReleaseDC(hWnd, hDC);
    return nDpi > 0 ? static_cast<UINT>(nDpi) : kDefaultDpi;
}
