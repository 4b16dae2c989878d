// The main window's own sizes at the DPI of its monitor: everything the
// template does not size is given here for 96 DPI and scaled.

#include "ManagerDlg.h"

#include "Dpi.h"
#include "resource.h"

#include <utility>

namespace {

constexpr int kFontHeight = 16;
constexpr int kButtonIcon = 32;
constexpr int kTreePicture = 16;
constexpr int kTipWidth = 400;
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);

// The tree's pictures as drawn for 100%, 150% and 200%; between and beyond
// them the largest not above the size wanted is stretched.
struct CDrawnPictures {
    UINT nBitmapID;
    int cx;
};
constexpr CDrawnPictures kTreePictures[] = {{IDB_TREE, 16}, {IDB_TREE_150, 24}, {IDB_TREE_200, 32}};

constexpr std::pair<int, UINT> kButtonIcons[] = {{IDC_ADD_TO_FOLDER, IDI_ARROW_RIGHT},
                                                 {IDC_REMOVE_FROM_FOLDER, IDI_ARROW_LEFT},
                                                 {IDC_FIND, IDI_FIND}};

} // namespace

void CManagerDlg::ApplyDpi(UINT nDpi) {
    LOGFONTA font{};
    font.lfHeight = ScaleToDpi(kFontHeight, nDpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = ANSI_CHARSET;
    font.lfOutPrecision = OUT_STROKE_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = DRAFT_QUALITY;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lstrcpyA(font.lfFaceName, "Courier New");
    auto pFont = std::make_unique<CFont>();
    pFont->CreateFontIndirect(&font);
    m_listScenery.SetFont(*pFont, TRUE);
    m_treeFolders.SetFont(*pFont, TRUE);
    m_pFont = std::move(pFont);
    m_listScenery.SetDpi(nDpi);

    const int cxPicture = ScaleToDpi(kTreePicture, nDpi);
    CDrawnPictures drawn = kTreePictures[0];
    for (const CDrawnPictures& pictures : kTreePictures) {
        if (pictures.cx <= cxPicture)
            drawn = pictures;
    }
    // The tree lets go of the old pictures before they are destroyed.
    CImageList pictures;
    pictures.Create(drawn.nBitmapID, drawn.cx, cxPicture, kSeeThrough);
    m_treeFolders.SetImageList(&pictures, TVSIL_NORMAL);
    std::swap(m_imageList.m_hImageList, pictures.m_hImageList);

    std::vector<CIcon> aIcons;
    for (auto [nButton, nIcon] : kButtonIcons) {
        aIcons.emplace_back(nIcon, ScaleToDpi(kButtonIcon, nDpi));
        SendDlgItemMessageA(m_hWnd, nButton, BM_SETIMAGE, IMAGE_ICON,
                            reinterpret_cast<LPARAM>(static_cast<HICON>(aIcons.back())));
    }
    m_aButtonIcons = std::move(aIcons);

    m_toolTip.SetMaxTipWidth(ScaleToDpi(kTipWidth, nDpi));
}

LRESULT CManagerDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    Default(WM_DPICHANGED, wParam, lParam);
    // The controls follow the window's size from their places at the new DPI.
    m_layout.Scale(static_cast<int>(DpiFromMessage(wParam)),
                   static_cast<int>(m_listScenery.GetDpi()));
    // The place and size the system proposes for the window at the new DPI.
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    ::SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyDpi(DpiFromMessage(wParam));
    return 0;
}
