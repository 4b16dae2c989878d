#pragma once

// The scenery list: one owner-drawn row per area, drawn with a check box
// (the area is on), a dot (the area is in a user folder; filled when that
// folder is the one selected in the tree) and the area's title, which is also
// the row's tip. What a row shows comes from its row source; for outside
// tools and screen readers each row also carries the title as its text and,
// in its 32-bit item data, the area's index and the three flags, stored
// inverted so that zero reads as on and in a folder. Of those the list reads
// back only the filled dot, which is the view's own.
//
// The list only shows: the user's gestures become requests to its parent,
// which changes the library and has the list show the change. A drag, with
// an insertion mark and scrolling while the pointer is held above or below
// the list, asks for a move of the selected rows; a release in a row's check
// zone (or Space) asks for a switch; Delete and a double-click ask too.
// Several rows can be selected (Ctrl, Shift, Ctrl+A); a press inside the
// selection changes it only at the release, when no drag followed, so that
// the selected rows can be dragged together.
//
// Its sizes are given for 96 DPI and drawn at the DPI of its window's
// monitor, taken when it is bound and from its parent when the DPI changes.

#include "Controls.h"
#include "Dpi.h"
#include "SceneryRowSource.h"

#include <vector>

// The list's requests to its parent; wParam is a list row, lParam 0 unless
// said. After a move the list tells its parent of the selection
// (LBN_SELCHANGE), as after any drop.
// Switch the row on or off; with lParam 1, every selected row to the
// opposite of the row.
constexpr UINT WM_SCENERY_TOGGLE = 0x3110;
constexpr UINT WM_SCENERY_DELETE = 0x3111; // Delete on the selected rows (wParam: the caret)
constexpr UINT WM_SCENERY_DBLCLK = 0x3112; // double-click on the selected rows
// Put the selected rows, the row dragged among them, above row lParam (-1:
// the end).
constexpr UINT WM_SCENERY_MOVE = 0x3113;

// A row that moved, from and to its row counted from the top.
struct CRowMove {
    int nFrom;
    int nTo;
};

class CSceneryListBox : public CListBox {
public:
    static constexpr DWORD kAreaIndexMask = 0x00FFFFFF;
    static constexpr DWORD kInactive = 1u << 25;
    static constexpr DWORD kNotInFolder = 1u << 26;
    static constexpr DWORD kNotInSelectedFolder = 1u << 27;
    // At 96 DPI: the row height, and the check zone's width from a row's left edge.
    static constexpr int kRowHeight = 20;
    static constexpr int kCheckZone = 16;
    static constexpr UINT_PTR kScrollDown = 100, kScrollUp = 101; // timers

    bool IsItemActive(int nRow) const { return !(GetData(nRow) & kInactive); }
    bool IsItemInFolder(int nRow) const { return !(GetData(nRow) & kNotInFolder); }
    void SetItemInSelectedFolder(int nRow, bool bIn) { SetFlag(nRow, kNotInSelectedFolder, !bIn); }
    bool IsItemInSelectedFolder(int nRow) const { return !(GetData(nRow) & kNotInSelectedFolder); }
    int GetItemAreaIndex(int nRow) const {
        return static_cast<int>(GetData(nRow) & kAreaIndexMask);
    }

    // Where the rows come from; it outlives the list's rows.
    void SetRowSource(const CSceneryRowSource* pSource) { m_pSource = pSource; }
    // Every row anew from the source, in one repaint, none in the selected
    // folder; the selected positions stay selected while they exist. Rows
    // beyond what the list can hold stay out.
    void ShowAllRows();
    // The row's switch and folder dot as the source has them now.
    void ShowRowMarks(int nRow, bool bInSelectedFolder);
    // Each moved row shown where the source has it now, and selected, the
    // rows in view staying in view; the rows between keep their order.
    void ShowMovedRows(std::vector<CRowMove> moves);
    // Selects the first row after nStartAfter, wrapping round to it, whose
    // title begins with the text, case ignored; LB_ERR when none does. (Not
    // every list box's own LB_SELECTSTRING lets the empty text match.)
    int SelectPrefix(int nStartAfter, const std::string& text);
    // The row under a point in client coordinates, counted from the top row
    // and the row height (the list's own answer stops at 65,535 rows); the
    // nearest row when the point lies below the last one. -1 with no rows.
    int RowFromPoint(POINT point, bool& bOutside) const;

    INT_PTR OnToolHitTest(POINT point, TOOLINFOA* pTI) const override;

    // Rows and marks drawn anew at the DPI; the font is the parent's to set.
    void SetDpi(UINT nDpi);
    UINT GetDpi() const { return m_nDpi; }

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT pDraw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT pMeasure) override;
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnLButtonUp(UINT nFlags, POINT point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, POINT point);
    void OnLButtonDblClk(UINT nFlags, POINT point);
    void OnMouseMove(UINT nFlags, POINT point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDblclk();

    DECLARE_MESSAGE_MAP()

private:
    // Moves the mark to a row (drop above it) or to -1 (the end position).
    void DrawInsertMark(int nPosition);
    void DrawMarkLine(HDC hDC, int nPosition, COLORREF colour);
    void AutoScroll(POINT point, const RECT& client);
    void StopAutoScroll();
    void ScrollStep(UINT_PTR nTimer);
    void DoDrop();
    void SendToParent(UINT nMessage, int nRow, LPARAM lParam = 0) const;
    // The list's own handling of a press on the row: a plain press selects
    // only it (the list's own answer stops at 65,535 rows).
    void Press(UINT nFlags, POINT point, int nRow);
    void SelectAll();
    // Tells the parent of the selection, as the list does after a click.
    void NotifySelChange() const;

    int m_nDragIndex = -1;     // row pressed: the row dragged
    int m_nPressRow = -1;      // row nearest the press: the only one a release switches
    int m_nDropIndex = -1;     // row the drop goes above; -1 the end
    int m_bDragging = 0;       // the list holds the capture
    int m_nScrollInterval = 0; // ms of the scroll timer running; 0 none
    UINT m_nDpi = kDefaultDpi;

    int RowHeight() const { return ScaleToDpi(kRowHeight, m_nDpi); }
    int CheckZone() const { return ScaleToDpi(kCheckZone, m_nDpi); }
    // A press inside the selection, left for the release: its keys and place.
    bool m_bPressInSelection = false;
    UINT m_nPressFlags = 0;
    POINT m_pressPoint{};
    // The selection a click inside it gave up at its release: a
    // double-click's second press gives it back, for the request to take
    // every row.
    std::vector<int> m_aGivenUp;

    DWORD GetData(int nRow) const { return static_cast<DWORD>(GetItemData(nRow)); }
    void SetFlag(int nRow, DWORD nFlag, bool bSet);
    // The text and item data outside tools read, from the source's row.
    void SetRowItem(int nRow, const CSceneryRow& row, bool bInSelectedFolder);
    std::string_view Title(int nRow) const;

    const CSceneryRowSource* m_pSource = nullptr;
};
