#pragma once

// Owners of GDI and image-list handles.

#include <windows.h>

#include <commctrl.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) {
        DeleteObject();
        m_hObject = ::CreateFontIndirectA(pLogFont);
        return m_hObject != nullptr;
    }
    void DeleteObject() {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = nullptr;
    }
    operator HFONT() const { return m_hObject; }

    HFONT m_hObject = nullptr;
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
