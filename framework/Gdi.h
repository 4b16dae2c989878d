#pragma once

// Owners of GDI and image-list handles.

#include <windows.h>

#include <commctrl.h>

#include <utility>

// Owns a pen, brush, font or other GDI object: deleted with its owner.
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(HGDIOBJ hObject) : m_hObject(hObject) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    BOOL Attach(HGDIOBJ hObject) {
        DeleteObject();
        m_hObject = hObject;
        return m_hObject != nullptr;
    }
    void DeleteObject() {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    operator HGDIOBJ() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) {
        return Attach(::CreateFontIndirectA(pLogFont));
    }
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

// Selects a GDI object into a device context for the lifetime of the scope.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    ~CSelectObject() { ::SelectObject(m_hDC, m_hOld); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    void DeleteImageList() {
        if (m_hImageList)
            ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
    }

    // Images cut from a bitmap resource where they are drawn cxDrawn pixels
    // wide, cx pixels square (stretched, pixel for pixel, when the two
    // differ); pixels of the mask colour are transparent.
    BOOL Create(UINT nBitmapID, int cxDrawn, int cx, COLORREF crMask);

    HIMAGELIST m_hImageList = nullptr;
};

// Owns an icon loaded at a size of the program's choosing.
class CIcon {
public:
    CIcon() = default;
    CIcon(UINT nIconID, int cx)
        : m_hIcon(
              static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID),
                                            IMAGE_ICON, cx, cx, LR_DEFAULTCOLOR))) {}
    ~CIcon() {
        if (m_hIcon)
            DestroyIcon(m_hIcon);
    }
    CIcon(CIcon&& other) noexcept : m_hIcon(other.m_hIcon) { other.m_hIcon = nullptr; }
    CIcon& operator=(CIcon&& other) noexcept {
        std::swap(m_hIcon, other.m_hIcon);
        return *this;
    }
    operator HICON() const { return m_hIcon; }

private:
    HICON m_hIcon = nullptr;
};
