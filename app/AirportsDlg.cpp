#include "AirportsDlg.h"

#include "Dpi.h"
#include "resource.h"

namespace {

struct CColumn {
    const char* pszHeading;
    int nWidth;
};
constexpr CColumn kColumns[kAirportColumns] = {
    {"Ident", 60}, {"Name", 200}, {"Used", 160}, {"Also in", 300}};

} // namespace

CAirportsDlg::CAirportsDlg(const CAirportIndex& index, CWnd* pParent)
    : CDialog(IDD_AIRPORTS, pParent), m_table(index) {}

void CAirportsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_AIRPORT_LIST, m_listAirports);
    DDX_Control(pDX, IDC_AIRPORT_FILTER, m_editFilter);
    DDX_Control(pDX, IDC_CONFLICTS_ONLY, m_btnConflictsOnly);
}

BOOL CAirportsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_nDpi = GetWindowDpi(m_hWnd);
    m_listAirports.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int n = 0; n < static_cast<int>(kAirportColumns); ++n)
        m_listAirports.InsertColumn(n, kColumns[n].pszHeading,
                                    ScaleToDpi(kColumns[n].nWidth, m_nDpi));
    m_btnConflictsOnly.SetCheck(BST_CHECKED);
    OnConflictsOnly();
    m_editFilter.SetFocus();
    return FALSE;
}

BOOL CAirportsDlg::PreTranslateMessage(MSG* pMsg) {
    UpdateDialogControls(this, FALSE);
    return CDialog::PreTranslateMessage(pMsg);
}

void CAirportsDlg::ShowRows() {
    m_listAirports.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_listAirports.SetItemCount(static_cast<int>(m_table.RowCount()));
}

void CAirportsDlg::OnFilterChange() {
    m_table.SetFilter(m_editFilter.GetWindowText());
    ShowRows();
}

void CAirportsDlg::OnConflictsOnly() {
    m_table.SetConflictsOnly(m_btnConflictsOnly.GetCheck() == BST_CHECKED);
    ShowRows();
}

int CAirportsDlg::SelectedUsedArea() const {
    const int nRow = m_listAirports.GetNextItem(-1, LVNI_SELECTED);
    return nRow < 0 ? -1 : m_table.UsedArea(static_cast<std::size_t>(nRow));
}

void CAirportsDlg::OnShowInList() {
    m_nShownArea = SelectedUsedArea();
    if (m_nShownArea >= 0)
        EndDialog(IDC_SHOW_IN_LIST);
}

void CAirportsDlg::OnUpdateShowInList(CCmdUI* pCmdUI) {
    pCmdUI->Enable(SelectedUsedArea() >= 0);
}

void CAirportsDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
    if (item.mask & LVIF_TEXT)
        lstrcpynA(item.pszText,
                  m_table
                      .Text(static_cast<std::size_t>(item.iItem),
                            static_cast<EAirportColumn>(item.iSubItem))
                      .c_str(),
                  item.cchTextMax);
    *pResult = 0;
}

void CAirportsDlg::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    m_table.SortBy(static_cast<EAirportColumn>(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem));
    ShowRows();
    *pResult = 0;
}

// The columns keep the widths the user gave them, in proportion.
LRESULT CAirportsDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    Default(WM_DPICHANGED, wParam, lParam);
    const UINT nDpi = DpiFromMessage(wParam);
    m_listAirports.ScaleColumnWidths(static_cast<int>(kAirportColumns), m_nDpi, nDpi);
    m_nDpi = nDpi;
    return 0;
}

void CAirportsDlg::OnDoubleClick(NMHDR*, LRESULT* pResult) {
    OnShowInList();
    *pResult = 0;
}

BEGIN_MESSAGE_MAP(CAirportsDlg, CDialog)
ON_CONTROL(EN_CHANGE, IDC_AIRPORT_FILTER, OnFilterChange)
ON_BN_CLICKED(IDC_CONFLICTS_ONLY, OnConflictsOnly)
ON_BN_CLICKED(IDC_SHOW_IN_LIST, OnShowInList)
ON_UPDATE_COMMAND_UI(IDC_SHOW_IN_LIST, OnUpdateShowInList)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_AIRPORT_LIST, OnGetDispInfo)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_AIRPORT_LIST, OnColumnClick)
ON_NOTIFY(NM_DBLCLK, IDC_AIRPORT_LIST, OnDoubleClick)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
