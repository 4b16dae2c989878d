#include "Layout.h"

#include <cmath>

namespace {

int Share(double fShare, int nGrowth) {
    return static_cast<int>(std::lround(fShare * nGrowth));
}

} // namespace

void CLayout::Begin(HWND hParent) {
    m_hParent = hParent;
    RECT rect;
    ::GetClientRect(hParent, &rect);
    m_client = {rect.right - rect.left, rect.bottom - rect.top};
    ::GetWindowRect(hParent, &rect);
    m_window = {rect.right - rect.left, rect.bottom - rect.top};
    m_children.clear();
}

void CLayout::Anchor(HWND hChild, const CAnchor& anchor) {
    RECT rect;
    ::GetWindowRect(hChild, &rect);
    MapWindowPoints(nullptr, m_hParent, reinterpret_cast<POINT*>(&rect), 2);
    m_children.push_back({hChild, rect, anchor});
}

void CLayout::Resize(int cx, int cy) const {
    if (m_children.empty())
        return;
    const int dx = cx - m_client.cx, dy = cy - m_client.cy;
    HDWP hDefer = BeginDeferWindowPos(static_cast<int>(m_children.size()));
    for (const CChild& child : m_children) {
        const int nLeft = child.rect.left + Share(child.anchor.fLeft, dx);
        const int nTop = child.rect.top + Share(child.anchor.fTop, dy);
        const int nRight = child.rect.right + Share(child.anchor.fRight, dx);
        const int nBottom = child.rect.bottom + Share(child.anchor.fBottom, dy);
        if (hDefer)
            hDefer = DeferWindowPos(hDefer, child.hWnd, nullptr, nLeft, nTop, nRight - nLeft,
                                    nBottom - nTop, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (hDefer)
        EndDeferWindowPos(hDefer);
    // Uncovered parts of the background and of the moved controls are
    // painted afresh at once, not left with the old picture.
    RedrawWindow(m_hParent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CLayout::Scale(int nNew, int nOld) {
    auto scale = [&](LONG& nValue) { nValue = MulDiv(nValue, nNew, nOld); };
    for (SIZE* pSize : {&m_client, &m_window}) {
        scale(pSize->cx);
        scale(pSize->cy);
    }
    for (CChild& child : m_children) {
        scale(child.rect.left);
        scale(child.rect.top);
        scale(child.rect.right);
        scale(child.rect.bottom);
    }
}

void CLayout::LimitTrackSize(MINMAXINFO& info) const {
    if (m_hParent == nullptr)
        return;
    info.ptMinTrackSize = {m_window.cx, m_window.cy};
}
