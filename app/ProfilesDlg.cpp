#include "ProfilesDlg.h"

#include "AreaChanges.h"
#include "Dpi.h"
#include "NameDlg.h"
#include "ProfileChanges.h"
#include "resource.h"

#include <utility>

namespace {

enum EProfileColumn { kNameColumn, kAreasColumn, kCurrentColumn, kProfileColumns };

constexpr CListColumn kColumns[kProfileColumns] = {
    {"Profile", 200}, {"Areas", 50}, {"Current", 60}};

constexpr const char* kNamePrompt = "Profile";

std::string Quoted(const std::string& name) {
    std::string text = "\"";
    return text.append(name).append("\"");
}

} // namespace

CProfilesDlg::CProfilesDlg(CLibraryDocument& doc, CShowSwitches showSwitches, CWnd* pParent)
    : CDialog(IDD_PROFILES, pParent), m_doc(doc), m_showSwitches(std::move(showSwitches)) {}

void CProfilesDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_PROFILE_LIST, m_listProfiles);
}

BOOL CProfilesDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listProfiles.InsertColumns(kColumns);
    ShowProfiles(m_doc.Profiles().empty() ? -1 : 0);
    m_listProfiles.SetFocus();
    return FALSE;
}

BOOL CProfilesDlg::PreTranslateMessage(MSG* pMsg) {
    UpdateDialogControls(this, FALSE);
    return CDialog::PreTranslateMessage(pMsg);
}

int CProfilesDlg::SelectedProfile() const {
    return m_listProfiles.GetNextItem(-1, LVNI_SELECTED);
}

void CProfilesDlg::ShowProfiles(int nSelected) {
    m_listProfiles.SetItemCount(static_cast<int>(m_doc.Profiles().size()));
    m_listProfiles.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (nSelected >= 0)
        m_listProfiles.SetItemState(nSelected, LVIS_SELECTED | LVIS_FOCUSED,
                                    LVIS_SELECTED | LVIS_FOCUSED);
    // The counts and the current mark of rows that stay may have changed.
    m_listProfiles.Invalidate();
}

void CProfilesDlg::Warn(const std::string& text) {
    MessageBoxA(m_hWnd, text.c_str(), "Warning", MB_OK | MB_ICONWARNING);
}

bool CProfilesDlg::Confirm(const std::string& question) {
    return MessageBoxA(m_hWnd, question.c_str(), "Tarnwick",
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void CProfilesDlg::OnApply() {
    const int nProfile = SelectedProfile();
    if (nProfile < 0)
        return;
    const CAppliedProfile applied = m_doc.ApplyProfile(nProfile);
    m_showSwitches(applied.changes);
    ShowProfiles(nProfile);
    if (applied.missing.empty())
        return;
    std::string text = "These areas of the profile are not in the library; the profile keeps them:";
    for (const CEntryNames& names : applied.missing)
        text.append("\n").append(names.strTitle).append("  (").append(names.strLocal).append(")");
    MessageBoxA(m_hWnd, text.c_str(), "Tarnwick", MB_OK | MB_ICONWARNING);
}

void CProfilesDlg::OnSaveCurrent() {
    std::string name;
    CNameDlg ask(name, this, kNamePrompt);
    if (ask.DoModal() != IDOK)
        return;
    if (std::string reason = WhyProfileNameRefused(name); !reason.empty()) {
        Warn(reason);
        return;
    }
    if (const int nFound = FindProfile(m_doc.Profiles(), name); nFound >= 0) {
        std::string question = "A profile named ";
        question.append(Quoted(m_doc.Profiles()[static_cast<std::size_t>(nFound)].strName))
            .append(" exists. Replace it with the areas on now?");
        if (!Confirm(question))
            return;
    }
    if (const CChangeResult saved = m_doc.SaveProfile(name); saved.Refused())
        Warn(saved.strRefused);
    ShowProfiles(FindProfile(m_doc.Profiles(), name));
}

void CProfilesDlg::OnRename() {
    const int nProfile = SelectedProfile();
    if (nProfile < 0)
        return;
    std::string name =
        m_doc.Profiles()[static_cast<std::size_t>(nProfile)].strName.substr(0, kMaxNameLength);
    CNameDlg ask(name, this, kNamePrompt);
    if (ask.DoModal() != IDOK)
        return;
    if (const CChangeResult renamed = m_doc.RenameProfile(nProfile, name); renamed.Refused())
        Warn(renamed.strRefused);
    ShowProfiles(nProfile);
}

void CProfilesDlg::OnDelete() {
    const int nProfile = SelectedProfile();
    if (nProfile < 0)
        return;
    std::string question = "Do you really want to delete the profile ";
    question.append(Quoted(m_doc.Profiles()[static_cast<std::size_t>(nProfile)].strName))
        .append(" ?");
    if (!Confirm(question))
        return;
    m_doc.DeleteProfile(nProfile);
    ShowProfiles(-1);
}

void CProfilesDlg::OnUpdateSelectionCommand(CCmdUI* pCmdUI) {
    pCmdUI->Enable(SelectedProfile() >= 0);
}

void CProfilesDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    const CSceneryProfiles& profiles = m_doc.Profiles();
    AnswerListText(pNMHDR, profiles.size(), [&](std::size_t nRow, int nColumn) -> std::string {
        const CSceneryProfile& profile = profiles[nRow];
        if (nColumn == kNameColumn)
            return profile.strName;
        if (nColumn == kAreasColumn)
            return std::to_string(ProfileAreaCount(profile, m_doc.Areas()));
        return IsCurrentProfile(profile, m_doc.Areas(), m_doc.Rows()) ? "yes" : "";
    });
    *pResult = 0;
}

LRESULT CProfilesDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    Default(WM_DPICHANGED, wParam, lParam);
    m_listProfiles.ScaleColumnsToDpi(DpiFromMessage(wParam));
    return 0;
}

BEGIN_MESSAGE_MAP(CProfilesDlg, CDialog)
ON_BN_CLICKED(IDC_APPLY_PROFILE, OnApply)
ON_UPDATE_COMMAND_UI(IDC_APPLY_PROFILE, OnUpdateSelectionCommand)
ON_BN_CLICKED(IDC_SAVE_PROFILE, OnSaveCurrent)
ON_BN_CLICKED(IDC_RENAME_PROFILE, OnRename)
ON_UPDATE_COMMAND_UI(IDC_RENAME_PROFILE, OnUpdateSelectionCommand)
ON_BN_CLICKED(IDC_DELETE_PROFILE, OnDelete)
ON_UPDATE_COMMAND_UI(IDC_DELETE_PROFILE, OnUpdateSelectionCommand)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_PROFILE_LIST, OnGetDispInfo)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
