#pragma once

// The airports of the library: one row per ident, the area the simulator
// uses it from and the others defining it. The rows come from the table,
// which filters and sorts them; the list asks only for the rows it draws.
// Show in list (or a double-click) ends the dialog with IDC_SHOW_IN_LIST,
// ShownArea() naming the area whose row the main list is to select.
// Resolve... opens the Resolve dialog on the selected airport; once its
// change is made, the rows are those of the library as it then stands.

#include "AirportTable.h"
#include "Airports.h"
#include "Controls.h"
#include "Dialog.h"

#include <functional>
#include <string>
#include <vector>

class CResolveDlg;
struct CRearrangement;

// What Resolve... needs of the window that opened the dialog; without it
// the button stays greyed.
struct CAirportResolving {
    // Runs the Resolve dialog: modally, or a test's script.
    std::function<INT_PTR(CResolveDlg&)> run;
    // Makes the change as one step of the library, shows it in the main
    // window and reads the dialog's index anew, its progress shown over the
    // window given; false when the reading stopped, the index as it was.
    std::function<bool(const CRearrangement&, CWnd&)> apply;
};

class CAirportsDlg : public CDialog {
public:
    // The index outlives the dialog; it changes only through the resolving's
    // apply.
    explicit CAirportsDlg(const CAirportIndex& index, CWnd* pParent = nullptr,
                          CAirportResolving resolving = {});

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
    void OnResolve();
    // For an airport defined more than once.
    void OnUpdateResolve(CCmdUI* pCmdUI);
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDoubleClick(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The area the selected row's airport is used from; -1 for none.
    int SelectedUsedArea() const;
    // The selected row's airport in m_airports; m_airports.size() for none.
    std::size_t SelectedAirport() const;
    // The list anew after the table's rows changed, nothing selected.
    void ShowRows();
    // The rows anew from the index read again, the filters kept, the
    // airport of that ident selected when it is shown. Ends the dialog with
    // IDABORT when the memory runs out.
    void Reload(const std::string& ident);

    const CAirportIndex& m_index;
    CAirportResolving m_resolving;
    std::vector<CAirport> m_airports;
    CAirportTable m_table;
    int m_nShownArea = -1;
};
