#pragma once

// Owners of GDI and image-list handles.

#include <windows.h>

#include <commctrl.h>

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

    // Images cx pixels wide cut from a bitmap resource; pixels of the mask
    // colour are transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
        DeleteImageList();
        m_hImageList = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nBitmapID),
                                            cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
        return m_hImageList != nullptr;
    }
    void DeleteImageList() {
        if (m_hImageList)
            ImageList_Destroy(m_hImageList);
        m_hImageList = nullptr;
    }

    HIMAGELIST m_hImageList = nullptr;
};
