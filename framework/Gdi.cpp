#include "Gdi.h"

BOOL CImageList::Create(UINT nBitmapID, int cxDrawn, int cx, COLORREF crMask) {
    DeleteImageList();
    if (cx == cxDrawn) {
        m_hImageList = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmapID),
                                            cx, 1, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
        return m_hImageList != nullptr;
    }
    CGdiObject drawn(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmapID),
                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP size{};
    if (!GetObjectA(drawn, sizeof size, &size) || size.bmWidth < cxDrawn)
        return FALSE;
    const int nImages = size.bmWidth / cxDrawn;
    HDC hScreen = GetDC(nullptr);
    CGdiObject scaled(CreateCompatibleBitmap(hScreen, nImages * cx, cx));
    HDC hFrom = CreateCompatibleDC(hScreen), hTo = CreateCompatibleDC(hScreen);
    {
        CSelectObject from(hFrom, drawn), to(hTo, scaled);
        // Nearest pixels: a blend would tint the edges with the mask colour.
        SetStretchBltMode(hTo, COLORONCOLOR);
        StretchBlt(hTo, 0, 0, nImages * cx, cx, hFrom, 0, 0, nImages * cxDrawn, size.bmHeight,
                   SRCCOPY);
    }
    DeleteDC(hTo);
    DeleteDC(hFrom);
    ReleaseDC(nullptr, hScreen);
    m_hImageList = ImageList_Create(cx, cx, ILC_COLOR24 | ILC_MASK, nImages, 1);
    return m_hImageList != nullptr &&
           ImageList_AddMasked(m_hImageList, static_cast<HBITMAP>(HGDIOBJ(scaled)), crMask) >= 0;
}
