#pragma once

// Sizes for the DPI of a window's monitor. The sizes a program sets itself
// (rows, fonts, pictures, columns) are given for 96 DPI, the 100% screen,
// and scaled here; at 96 DPI they stay as given.

#include <windows.h>

constexpr UINT kDefaultDpi = USER_DEFAULT_SCREEN_DPI;

// The DPI the window is drawn at: its monitor's under per-monitor awareness
// (Windows 10 1607 on), else the system's.
UINT GetWindowDpi(HWND hWnd);

inline int ScaleToDpi(int nPixels, UINT nDpi) {
    return MulDiv(nPixels, static_cast<int>(nDpi), static_cast<int>(kDefaultDpi));
}

// The DPI a WM_DPICHANGED message brings (the vertical one; both are equal).
inline UINT DpiFromMessage(WPARAM wParam) {
    return HIWORD(wParam);
}
