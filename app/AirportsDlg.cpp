#include "AirportsDlg.h"

#include "Dpi.h"
#include "ResolveDlg.h"
#include "resource.h"

#include <new>
#include <utility>

namespace {

constexpr CListColumn kColumns[kAirportColumns] = {
    {"Ident", 60}, {"Name", 200}, {"Used", 160}, {"Also in", 300}};

} // namespace

CAirportsDlg::CAirportsDlg(const CAirportIndex& index, CWnd* pParent, CAirportResolving resolving)
    : CDialog(IDD_AIRPORTS, pParent), m_index(index), m_resolving(std::move(resolving)),
      m_airports(AirportsOf(index)), m_table(index, m_airports) {}

void CAirportsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_AIRPORT_LIST, m_listAirports);
    DDX_Control(pDX, IDC_AIRPORT_FILTER, m_editFilter);
    DDX_Control(pDX, IDC_CONFLICTS_ONLY, m_btnConflictsOnly);
}

BOOL CAirportsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listAirports.InsertColumns(kColumns);
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

std::size_t CAirportsDlg::SelectedAirport() const {
    const int nRow = m_listAirports.GetNextItem(-1, LVNI_SELECTED);
    return nRow < 0 ? m_airports.size()
                    : FindAirport(m_airports, m_table.Text(static_cast<std::size_t>(nRow),
                                                           EAirportColumn::kIdent));
}

void CAirportsDlg::OnResolve() {
    const std::size_t nAirport = SelectedAirport();
    if (nAirport >= m_airports.size() || !m_resolving.run)
        return;
    CResolveDlg resolve(m_index, m_airports, nAirport, this);
    if (m_resolving.run(resolve) != IDOK)
        return;
    const std::string ident = m_airports[nAirport].strIdent;
    // Without the index read anew the rows would show the library as it was.
    if (!m_resolving.apply(resolve.Change(), *this))
        EndDialog(IDCANCEL);
    else
        Reload(ident);
}

void CAirportsDlg::OnUpdateResolve(CCmdUI* pCmdUI) {
    const std::size_t nAirport = SelectedAirport();
    pCmdUI->Enable(m_resolving.run && nAirport < m_airports.size() &&
                   m_airports[nAirport].definitions.size() >= 2);
}

void CAirportsDlg::Reload(const std::string& ident) {
    // The table refers to the index as it was: no row of it may be drawn.
    m_listAirports.SetItemCount(0);
    try {
        m_airports = AirportsOf(m_index);
        m_table = CAirportTable(m_index, m_airports);
    } catch (const std::bad_alloc&) {
        EndDialog(IDABORT);
        return;
    }
    m_table.SetConflictsOnly(m_btnConflictsOnly.GetCheck() == BST_CHECKED);
    OnFilterChange();
    for (std::size_t nRow = 0; nRow < m_table.RowCount(); ++nRow) {
        if (m_table.Text(nRow, EAirportColumn::kIdent) == ident) {
            const int nItem = static_cast<int>(nRow);
            m_listAirports.SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED,
                                        LVIS_SELECTED | LVIS_FOCUSED);
            m_listAirports.SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), FALSE);
            break;
        }
    }
}

void CAirportsDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    AnswerListText(pNMHDR, m_table.RowCount(), [&](std::size_t nRow, int nColumn) {
        return m_table.Text(nRow, static_cast<EAirportColumn>(nColumn));
    });
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
    m_listAirports.ScaleColumnsToDpi(DpiFromMessage(wParam));
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
ON_BN_CLICKED(IDC_RESOLVE, OnResolve)
ON_UPDATE_COMMAND_UI(IDC_RESOLVE, OnUpdateResolve)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_AIRPORT_LIST, OnGetDispInfo)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_AIRPORT_LIST, OnColumnClick)
ON_NOTIFY(NM_DBLCLK, IDC_AIRPORT_LIST, OnDoubleClick)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
