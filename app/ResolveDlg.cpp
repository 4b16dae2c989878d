#include "ResolveDlg.h"

#include "Dpi.h"
#include "resource.h"

namespace {

constexpr std::size_t kColumns = 4;
constexpr CListColumn kDefinitionColumns[kColumns] = {
    {"Area", 210}, {"File", 150}, {"On", 40}, {"Use", 70}};
constexpr CListColumn kEffectColumns[kColumns] = {
    {"Ident", 50}, {"Name", 150}, {"Used now", 135}, {"Used after", 135}};

// The radio buttons' labels, in the order of EResolution.
constexpr const char* kWayLabels[] = {"Move its area above the others",
                                      "Move the others below its area", "Switch the others off"};

std::string Counted(std::size_t nCount, const char* pszThing) {
    return std::to_string(nCount) + " " + pszThing + (nCount == 1 ? "" : "s");
}

} // namespace

CResolveDlg::CResolveDlg(const CAirportIndex& index, const std::vector<CAirport>& airports,
                         std::size_t nAirport, CWnd* pParent)
    : CDialog(IDD_RESOLVE, pParent), m_index(index), m_airports(airports), m_nAirport(nAirport) {
    for (const CDefinition& definition : airports[nAirport].definitions) {
        const CIndexArea& area = index.areas[static_cast<std::size_t>(definition.nSlot)];
        m_definitionRows.push_back({area.strTitle, FileOf(index, definition).strName,
                                    area.bActive ? "on" : "off", AirportUseName(definition.use)});
    }
}

void CResolveDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_DEFINITION_LIST, m_listDefinitions);
    DDX_Control(pDX, IDC_EFFECT_LIST, m_listEffects);
}

BOOL CResolveDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listDefinitions.InsertColumns(kDefinitionColumns);
    m_listEffects.InsertColumns(kEffectColumns);
    const CAirport& airport = m_airports[m_nAirport];
    SetDlgItemTextA(m_hWnd, IDC_DEFINITIONS_LABEL,
                    (airport.strIdent + " " + airport.strName +
                     ", its definitions in load order: select the one to use")
                        .c_str());
    // The first that is not the one used: the user came to change that. The
    // selection's notification works the proposal out.
    m_listDefinitions.SetItemCount(static_cast<int>(m_definitionRows.size()));
    m_listDefinitions.SetItemState(airport.nUsed == 0 ? 1 : 0, LVIS_SELECTED | LVIS_FOCUSED,
                                   LVIS_SELECTED | LVIS_FOCUSED);
    m_listDefinitions.SetFocus();
    return FALSE;
}

BOOL CResolveDlg::PreTranslateMessage(MSG* pMsg) {
    UpdateDialogControls(this, FALSE);
    return CDialog::PreTranslateMessage(pMsg);
}

void CResolveDlg::Resolve(int nDefinition) {
    const CAirport& airport = m_airports[m_nAirport];
    m_resolution = ResolveAirport(m_index, m_airports, m_nAirport,
                                  airport.definitions[static_cast<std::size_t>(nDefinition)].nSlot);
    m_chosen = m_resolution.proposed;
    for (std::size_t n = 0; n < m_resolution.ways.size(); ++n) {
        std::string label = kWayLabels[n];
        if (static_cast<EResolution>(n) == m_resolution.proposed && m_resolution.strRefused.empty())
            label += " (proposed)";
        SetDlgItemTextA(m_hWnd, IDC_MOVE_USE + static_cast<int>(n), label.c_str());
    }
    CheckRadioButton(m_hWnd, IDC_MOVE_USE, IDC_OTHERS_OFF,
                     IDC_MOVE_USE + static_cast<int>(m_chosen));
    std::string switchedOff;
    if (IsOffered(EResolution::kOthersOff)) {
        for (const CAreaSwitchedOff& area : m_resolution.Way(EResolution::kOthersOff).switchedOff)
            switchedOff.append(switchedOff.empty() ? "Switches off " : "; ")
                .append("\"" + m_index.areas[static_cast<std::size_t>(area.nSlot)].strTitle +
                        "\" (" + Counted(area.nFiles, "scenery file") + ", " +
                        Counted(area.nOtherAirports, "other airport") + ")");
    }
    SetDlgItemTextA(m_hWnd, IDC_SWITCHED_OFF, switchedOff.c_str());
    ShowWay();
}

bool CResolveDlg::IsOffered(EResolution kind) const {
    return m_resolution.strRefused.empty() &&
           (kind == m_resolution.proposed || m_resolution.Way(kind).bOffered);
}

void CResolveDlg::ShowWay() {
    const CResolution& resolution = m_resolution;
    const CResolutionWay& way = resolution.Way(m_chosen);
    std::string text;
    auto addLine = [&text](const std::string& line) {
        text.append(text.empty() ? "" : "\r\n").append(line);
    };
    if (!resolution.strRefused.empty())
        addLine(resolution.strRefused + ".");
    else if (resolution.bNothingToChange)
        addLine("Nothing to change.");
    else if (!way.strImpossible.empty())
        addLine("This cannot be done: " + way.strImpossible + ".");
    for (const std::vector<std::string>* pLines : {&resolution.notes, &way.lines, &way.notes}) {
        for (const std::string& line : *pLines)
            addLine(line);
    }
    SetDlgItemTextA(m_hWnd, IDC_RESOLVE_WORDS, text.c_str());

    auto title = [this](const CDefinition& used) {
        return used.nSlot < 0 ? std::string("none")
                              : m_index.areas[static_cast<std::size_t>(used.nSlot)].strTitle;
    };
    m_effectRows.clear();
    for (const CAirportEffect& effect : way.effects) {
        const CAirport& other = m_airports[effect.nAirport];
        m_effectRows.push_back(
            {other.strIdent, other.strName, title(effect.before), title(effect.after)});
    }
    if (m_effectRows.empty())
        m_effectRows.push_back({"None", "", "", ""});
    m_listEffects.SetItemCount(static_cast<int>(m_effectRows.size()));
    m_listEffects.Invalidate();
}

void CResolveDlg::OnWay() {
    for (std::size_t n = 0; n < m_resolution.ways.size(); ++n) {
        if (IsDlgButtonChecked(m_hWnd, IDC_MOVE_USE + static_cast<int>(n)) == BST_CHECKED)
            m_chosen = static_cast<EResolution>(n);
    }
    ShowWay();
}

void CResolveDlg::OnUpdateWay(CCmdUI* pCmdUI) {
    pCmdUI->Enable(IsOffered(static_cast<EResolution>(pCmdUI->m_nID - IDC_MOVE_USE)));
}

bool CResolveDlg::CanApply() const {
    return !Change().IsEmpty() && m_listDefinitions.GetNextItem(-1, LVNI_SELECTED) >= 0;
}

void CResolveDlg::OnOK() {
    if (CanApply())
        CDialog::OnOK();
}

void CResolveDlg::OnUpdateApply(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanApply());
}

void CResolveDlg::OnDefinitionChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    const NMLISTVIEW& change = *reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if ((change.uChanged & LVIF_STATE) && change.iItem >= 0 && (change.uNewState & LVIS_SELECTED) &&
        !(change.uOldState & LVIS_SELECTED))
        Resolve(change.iItem);
    *pResult = 0;
}

void CResolveDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    const std::vector<CRow>& rows =
        pNMHDR->idFrom == IDC_DEFINITION_LIST ? m_definitionRows : m_effectRows;
    AnswerListText(pNMHDR, rows.size(), [&](std::size_t nRow, int nColumn) {
        return nColumn >= 0 && static_cast<std::size_t>(nColumn) < kColumns
                   ? rows[nRow][static_cast<std::size_t>(nColumn)]
                   : std::string();
    });
    *pResult = 0;
}

// The columns keep the widths the user gave them, in proportion.
LRESULT CResolveDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    Default(WM_DPICHANGED, wParam, lParam);
    for (CListCtrl* pList : {&m_listDefinitions, &m_listEffects})
        pList->ScaleColumnsToDpi(DpiFromMessage(wParam));
    return 0;
}

BEGIN_MESSAGE_MAP(CResolveDlg, CDialog)
ON_UPDATE_COMMAND_UI(IDOK, OnUpdateApply)
ON_BN_CLICKED(IDC_MOVE_USE, OnWay)
ON_BN_CLICKED(IDC_MOVE_OTHERS, OnWay)
ON_BN_CLICKED(IDC_OTHERS_OFF, OnWay)
ON_UPDATE_COMMAND_UI(IDC_MOVE_USE, OnUpdateWay)
ON_UPDATE_COMMAND_UI(IDC_MOVE_OTHERS, OnUpdateWay)
ON_UPDATE_COMMAND_UI(IDC_OTHERS_OFF, OnUpdateWay)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_DEFINITION_LIST, OnDefinitionChanged)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_DEFINITION_LIST, OnGetDispInfo)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_EFFECT_LIST, OnGetDispInfo)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
