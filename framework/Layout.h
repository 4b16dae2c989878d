#pragma once

// A window's children laid out anew when it changes size: each edge of a
// child keeps its distance to the window's edges, moving by a share of the
// growth, and the size the window had when the children were noted is the
// smallest it can take.

#include <windows.h>

#include <vector>

// The share of the parent's growth by which each edge of a child moves:
// 0 keeps it to the left (top) edge, 1 to the right (bottom) edge.
struct CAnchor {
    double fLeft = 0;
    double fTop = 0;
    double fRight = 0;
    double fBottom = 0;
};

class CLayout {
public:
    // The parent's client size and outer size as they are now: the ones the
    // children's places are noted for, and the smallest.
    void Begin(HWND hParent);
    // Notes where the child is now and how it follows.
    void Anchor(HWND hChild, const CAnchor& anchor);
    // The children moved for the parent's new client size; nothing before
    // Begin.
    void Resize(int cx, int cy) const;
    // The noted places and sizes scaled by nNew / nOld, as for the children
    // after a change of DPI, before the parent takes its new size.
    void Scale(int nNew, int nOld);
    // The smallest outer size, for WM_GETMINMAXINFO; nothing before Begin.
    void LimitTrackSize(MINMAXINFO& info) const;

private:
    struct CChild {
        HWND hWnd;
        RECT rect;
        CAnchor anchor;
    };

    HWND m_hParent = nullptr;
    SIZE m_client{};
    SIZE m_window{};
    std::vector<CChild> m_children;
};
