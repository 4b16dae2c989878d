#pragma once

// The scenery list: one owner-drawn row per area, drawn with a check box
// (the area is on), a dot (the area is in a user folder; filled when that
// folder is the one selected in the tree) and the area's title, which is also
// the row's tip. Each row's 32-bit item data holds the area's index and the
// three flags, stored inverted so that zero reads as on and in a folder.

#include "Controls.h"
#include "SceneryCfg.h"

#include <vector>

class CSceneryListBox : public CListBox {
public:
    static constexpr DWORD kAreaIndexMask = 0x00FFFFFF;
    static constexpr DWORD kInactive = 1u << 25;
    static constexpr DWORD kNotInFolder = 1u << 26;
    static constexpr DWORD kNotInSelectedFolder = 1u << 27;
    static constexpr int kRowHeight = 20;

    void SetItemActive(int nRow, bool bActive) { SetFlag(nRow, kInactive, !bActive); }
    bool IsItemActive(int nRow) const { return !(GetData(nRow) & kInactive); }
    void SetItemInFolder(int nRow, bool bInFolder) { SetFlag(nRow, kNotInFolder, !bInFolder); }
    bool IsItemInFolder(int nRow) const { return !(GetData(nRow) & kNotInFolder); }
    void SetItemInSelectedFolder(int nRow, bool bIn) { SetFlag(nRow, kNotInSelectedFolder, !bIn); }
    bool IsItemInSelectedFolder(int nRow) const { return !(GetData(nRow) & kNotInSelectedFolder); }
    void SetItemAreaIndex(int nRow, int nArea);
    int GetItemAreaIndex(int nRow) const {
        return static_cast<int>(GetData(nRow) & kAreaIndexMask);
    }

    // Every row, top first: its area and whether it is switched on.
    std::vector<CListRow> GetRows() const;
    // The row under a point in client coordinates, counted from the top row
    // and the row height (the list's own answer stops at 65,535 rows); the
    // nearest row when the point lies below the last one. -1 with no rows.
    int RowFromPoint(POINT point, bool& bOutside) const;

    INT_PTR OnToolHitTest(POINT point, TOOLINFOA* pTI) const override;

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT pDraw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT pMeasure) override;
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

private:
    DWORD GetData(int nRow) const { return static_cast<DWORD>(GetItemData(nRow)); }
    void SetFlag(int nRow, DWORD nFlag, bool bSet);
};
