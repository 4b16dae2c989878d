#pragma once

// The airports of the library: one row per ident, the area the simulator
// uses it from and the others defining it. The rows come from the table,
// which filters and sorts them; the list asks only for the rows it draws.
// Show in list (or a double-click) ends the dialog with IDC_SHOW_IN_LIST,
// ShownArea() naming the area whose row the main list is to select.

#include "AirportTable.h"
#include "Controls.h"
#include "Dialog.h"

class CAirportsDlg : public CDialog {
public:
    explicit CAirportsDlg(const CAirportIndex& index, CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    int ShownArea() const { return m_nShownArea; }

    CListCtrl m_listAirports;
    CEdit m_editFilter;
    CButton m_btnConflictsOnly;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnFilterChange();
    void OnConflictsOnly();
    void OnShowInList();
    void OnUpdateShowInList(CCmdUI* pCmdUI);
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The area the selected row's airport is used from; -1 for none.
    int SelectedUsedArea() const;
    // The list anew after the table's rows changed, nothing selected.
    void ShowRows();

    CAirportTable m_table;
    int m_nShownArea = -1;
    UINT m_nDpi = 0; // the DPI the columns are sized for
};
