#include "BackupsDlg.h"

#include "Dpi.h"
#include "resource.h"

#include <shellapi.h>
#include <shlobj.h>

namespace {

enum EBackupColumn { kNumberColumn, kWhenColumn, kByColumn, kAreasColumn, kBackupColumns };

constexpr CListColumn kColumns[kBackupColumns] = {
    {"Number", 55}, {"When", 130}, {"By", 220}, {"Areas", 50}};

bool IsFolder(const std::string& path) {
    const DWORD nAttributes = GetFileAttributesA(path.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Where the set's files really are, or empty. A program the system
// virtualizes (one writing under Program Files without the right to) has
// its writes put in the user's VirtualStore copy of the folder, and sees
// that copy at the folder's own path; the file manager does not, so the
// copy comes first. Set folders are named by number and time: a copy and a
// folder of the same name hold the same set.
std::string FolderOnDisk(const std::string& folder) {
    char szLocal[MAX_PATH] = "";
    if (folder.size() > 2 && folder[1] == ':' &&
        SUCCEEDED(
            SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, szLocal))) {
        const std::string stored = std::string(szLocal) + "\\VirtualStore" + folder.substr(2);
        if (IsFolder(stored))
            return stored;
    }
    return IsFolder(folder) ? folder : std::string();
}

} // namespace

CBackupsDlg::CBackupsDlg(const CLibraryDocument& doc, CWnd* pParent)
    : CDialog(IDD_BACKUPS, pParent), m_doc(doc), m_sets(ListBackupSets(doc.BackupsFolder())) {}

void CBackupsDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_BACKUP_LIST, m_listSets);
}

BOOL CBackupsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_listSets.InsertColumns(kColumns);
    m_listSets.SetItemCount(static_cast<int>(m_sets.size()));
    // The newest set; its selection's notification shows it.
    if (m_sets.empty())
        SetDlgItemTextA(m_hWnd, IDC_BACKUP_DIFFERENCES, "No backup sets kept yet.");
    else
        m_listSets.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_listSets.SetFocus();
    return FALSE;
}

BOOL CBackupsDlg::PreTranslateMessage(MSG* pMsg) {
    UpdateDialogControls(this, FALSE);
    return CDialog::PreTranslateMessage(pMsg);
}

void CBackupsDlg::ShowSet(int nSet) {
    const CBackupSet& backup = m_sets[static_cast<std::size_t>(nSet)];
    m_nShown = nSet;
    m_set = {};
    m_strWhyNot = ReadBackupSet(backup, m_set);
    m_bDiffers = false;
    std::string text;
    if (!m_strWhyNot.empty()) {
        text =
            "Backup set " + std::to_string(backup.nNumber) + " cannot be restored: " + m_strWhyNot;
    } else {
        const std::vector<std::string> lines = LibraryDifferences(
            {m_doc.Areas(), m_doc.Rows(), m_doc.Folders(), m_doc.Profiles()}, m_set.View());
        for (const std::string& line : lines)
            text.append(text.empty() ? "" : "\r\n").append(line);
        m_bDiffers = !lines.empty();
        if (!m_bDiffers)
            text = "The same as the library as it stands.";
    }
    SetDlgItemTextA(m_hWnd, IDC_BACKUP_DIFFERENCES, text.c_str());
}

bool CBackupsDlg::CanRestore() const {
    return m_nShown >= 0 && SelectedSet() == m_nShown && m_strWhyNot.empty() && m_bDiffers;
}

void CBackupsDlg::OnRestore() {
    if (CanRestore())
        EndDialog(IDOK);
}

void CBackupsDlg::OnUpdateRestore(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanRestore());
}

void CBackupsDlg::OnOpenFolder() {
    const int nSet = SelectedSet();
    if (nSet < 0)
        return;
    const std::string& folder = m_sets[static_cast<std::size_t>(nSet)].strPath;
    const std::string found = FolderOnDisk(folder);
    if (found.empty()) {
        MessageBoxA(m_hWnd, (folder + " is no longer there.").c_str(), "Backups",
                    MB_OK | MB_ICONWARNING);
        return;
    }
    // Above 32: the file manager took it.
    if (reinterpret_cast<INT_PTR>(
            ShellExecuteA(m_hWnd, "open", found.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) <= 32)
        MessageBoxA(m_hWnd, ("The file manager could not open " + found + ".").c_str(), "Backups",
                    MB_OK | MB_ICONWARNING);
}

void CBackupsDlg::OnUpdateOpenFolder(CCmdUI* pCmdUI) {
    pCmdUI->Enable(SelectedSet() >= 0);
}

void CBackupsDlg::OnSetChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    const NMLISTVIEW& change = *reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    if ((change.uChanged & LVIF_STATE) && change.iItem >= 0 && (change.uNewState & LVIS_SELECTED) &&
        !(change.uOldState & LVIS_SELECTED))
        ShowSet(change.iItem);
    *pResult = 0;
}

void CBackupsDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    AnswerListText(pNMHDR, m_sets.size(), [&](std::size_t nRow, int nColumn) {
        const CBackupSet& set = m_sets[nRow];
        if (nColumn == kNumberColumn)
            return std::to_string(set.nNumber);
        if (nColumn == kWhenColumn)
            return set.strWhen + " UTC";
        if (nColumn == kByColumn)
            return set.strUnusable.empty() ? set.strBy : "unusable: " + set.strUnusable;
        return std::to_string(set.nAreas);
    });
    *pResult = 0;
}

// The columns keep the widths the user gave them, in proportion.
LRESULT CBackupsDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    Default(WM_DPICHANGED, wParam, lParam);
    m_listSets.ScaleColumnsToDpi(DpiFromMessage(wParam));
    return 0;
}

BEGIN_MESSAGE_MAP(CBackupsDlg, CDialog)
ON_BN_CLICKED(IDC_RESTORE_BACKUP, OnRestore)
ON_UPDATE_COMMAND_UI(IDC_RESTORE_BACKUP, OnUpdateRestore)
ON_BN_CLICKED(IDC_OPEN_BACKUP_FOLDER, OnOpenFolder)
ON_UPDATE_COMMAND_UI(IDC_OPEN_BACKUP_FOLDER, OnUpdateOpenFolder)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_BACKUP_LIST, OnSetChanged)
ON_NOTIFY(LVN_GETDISPINFOA, IDC_BACKUP_LIST, OnGetDispInfo)
ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
END_MESSAGE_MAP()
