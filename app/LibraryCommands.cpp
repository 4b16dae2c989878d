#include "LibraryCommands.h"

#include "AboutDlg.h"
#include "SaveCheck.h"
#include "SimulatorLocation.h"

#include <new>
#include <optional>
#include <utility>

namespace {

// The most findings the check's box lists.
constexpr std::size_t kMaxCheckLines = 40;
// The airports' memory grows with the scenery files, and may run out where
// the library's own never does.
constexpr const char* kNoMemoryForAirports = "Not enough memory to index the airports.";

// The wait for the lock, the window's messages flowing meanwhile.
CLockWait LockWait() {
    // Nothing the user does reaches the window meanwhile; it still paints.
    return {std::chrono::milliseconds(5000), [] {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }};
}

} // namespace

CSystemMenu<CLibraryCommands> CLibraryCommands::SystemMenu() {
    // A new command of the system menu is a row here.
    static const CSystemMenuItem<CLibraryCommands> items[] = {
        {IDM_ABOUTBOX, IDS_ABOUTBOX, &CLibraryCommands::OnAbout},
        {IDM_CHECK_LIBRARY, IDS_CHECK_LIBRARY, &CLibraryCommands::OnCheckLibrary},
        {IDM_AIRPORTS, IDS_AIRPORTS, &CLibraryCommands::OnAirports},
        {IDM_PROFILES, IDS_PROFILES, &CLibraryCommands::OnProfiles},
        {IDM_BACKUPS, IDS_BACKUPS, &CLibraryCommands::OnBackups},
        {IDM_UNDO, IDS_UNDO, &CLibraryCommands::OnUndo, &CLibraryCommands::CanUndo},
        {IDM_REDO, IDS_REDO, &CLibraryCommands::OnRedo, &CLibraryCommands::CanRedo},
    };
    return CSystemMenu<CLibraryCommands>(items);
}

void CLibraryCommands::AppendSystemMenu() const {
    SystemMenu().Append(m_wnd.m_hWnd);
    UpdateSystemMenu();
}

void CLibraryCommands::UpdateSystemMenu() const {
    SystemMenu().Update(m_wnd.m_hWnd, *this);
}

bool CLibraryCommands::OnSysCommand(UINT nID) {
    return SystemMenu().Run(*this, nID);
}

LRESULT CLibraryCommands::OnInitMenuPopup(WPARAM, LPARAM) {
    UpdateSystemMenu();
    return 0;
}

bool CLibraryCommands::OpenLibrary(const std::string& folder) {
    // The system's own disk takes every path as it is.
    while (!m_doc.Open(SimPathFromFolder(folder), SystemDisk(), LockWait()).empty() &&
           m_doc.LockState() == CFileLock::EOutcome::kBusy) {
        if (!AskRetryLocked())
            return false;
    }
    ShowRecovery();
    return true;
}

bool CLibraryCommands::AskRetryLocked() const {
    return MessageBoxA(m_wnd.m_hWnd, "Another program is writing the scenery library.\nTry again?",
                       "Tarnwick", MB_RETRYCANCEL | MB_ICONWARNING) == IDRETRY;
}

bool CLibraryCommands::LockLibrary() {
    const BOOL bWasEnabled = !EnableWindow(m_wnd.m_hWnd, FALSE);
    bool bBusy = false;
    do {
        bBusy = m_doc.Lock(LockWait()) == CFileLock::EOutcome::kBusy;
    } while (bBusy && AskRetryLocked());
    EnableWindow(m_wnd.m_hWnd, bWasEnabled);
    return !bBusy;
}

void CLibraryCommands::ShowRecovery() {
    const CRecovery recovery = m_doc.TakeRecovery();
    std::string text;
    if (recovery.outcome == CRecovery::kFailed)
        text = "A save of the scenery library was interrupted, and its files could not be put "
               "back as they were before it:\n" +
               recovery.strPath + ": " + recovery.strReason +
               "\nThe library's files may be mixed until Tarnwick opens it again.";
    else if (recovery.outcome == CRecovery::kPutBack)
        text = "A save of the scenery library was interrupted. Its files were put back as they "
               "were before it.";
    for (const std::string& left : recovery.left) {
        const std::string name = LeafOfPath(left);
        text.append("\n")
            .append(name)
            .append(" was changed by another program since, so it was left as it is; its "
                    "version from before that save is beside it as ")
            .append(name)
            .append(kLeftSuffix)
            .append(".");
    }
    if (!text.empty())
        MessageBoxA(m_wnd.m_hWnd, text.c_str(), "Tarnwick", MB_OK | MB_ICONWARNING);
}

bool CLibraryCommands::IsLibraryOpen(const char* pszNothing, const char* pszCaption) const {
    if (m_doc.IsOpen())
        return true;
    std::string text = "No Flight Simulator 2004 folder is known, so there are no ";
    text.append(pszNothing).append(" to show.");
    MessageBoxA(m_wnd.m_hWnd, text.c_str(), pszCaption, MB_OK | MB_ICONWARNING);
    return false;
}

bool CLibraryCommands::ConfirmReplaceChangedFiles() {
    CSaveCheck check = m_doc.CheckFilesBeforeSave();
    std::string question = ChangedFilesQuestion(check);
    if (question.empty())
        return true;
    if (MessageBoxA(m_wnd.m_hWnd, question.c_str(), "Warning",
                    MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
        return false;
    m_doc.AcceptChangedFiles(check);
    return true;
}

void CLibraryCommands::OnSave() {
    Save();
}

bool CLibraryCommands::Save() {
    if (!m_doc.IsOpen()) {
        ShowError("No Flight Simulator 2004 folder is known, so nothing was saved.");
        return false;
    }
    if (CSaveResult refused = m_doc.Unreadable(); refused.outcome != CSaveResult::kWritten) {
        ShowError(refused.strPath + " could not be read at start-up (" + refused.strReason +
                  "), so it was left as it is and nothing was saved.");
        return false;
    }
    const std::vector<std::string> names = m_doc.SavedFileNames();
    std::optional<CSaveResult> write = WriteLibrary();
    if (write && write->outcome == CSaveResult::kNoBackup) {
        const std::string question = "The backup of the scenery library could not be kept (" +
                                     write->strReason + ").\nSave without a backup?";
        if (MessageBoxA(m_wnd.m_hWnd, question.c_str(), "Tarnwick",
                        MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES)
            return false;
        m_doc.KeepSetsAs(std::nullopt);
        write = WriteLibrary();
        m_doc.KeepSetsAs("Save");
    }
    if (!write)
        return false;
    ShowSaveResult(*write, names);
    return write->outcome == CSaveResult::kWritten;
}

std::optional<CSaveResult> CLibraryCommands::WriteLibrary() {
    // The questions come first, without the lock; holding it, the files are
    // looked at again, and a change that came meanwhile is asked about anew.
    for (;;) {
        if (!ConfirmReplaceChangedFiles() || !LockLibrary())
            return std::nullopt;
        // A save that died, put back on taking the lock, is told with the
        // lock let go, and the changed files are asked about anew.
        if (!m_doc.IsLocked() ||
            (!m_doc.HasRecovery() && !m_doc.CheckFilesBeforeSave().AnyChanged()))
            break;
        m_doc.Unlock();
        ShowRecovery();
    }
    const CSaveResult write = m_doc.Save();
    m_doc.Unlock();
    ShowRecovery();
    return write;
}

void CLibraryCommands::ShowSaveResult(const CSaveResult& write,
                                      const std::vector<std::string>& names) const {
    const std::string nothing = write.bPutBackFailed
                                    ? "The library's files may be mixed until Tarnwick opens it "
                                      "again, which puts them back."
                                    : "Nothing was saved: the library's files are as they were.";
    switch (write.outcome) {
    case CSaveResult::kChanged:
        ShowError(LeafOfPath(write.strPath) +
                  " was changed by another program while Tarnwick was saving.\n" +
                  (write.bPutBackFailed ? nothing
                                        : "Nothing was saved, so that those changes are kept."));
        break;
    case CSaveResult::kReadOnly:
        ShowError(LeafOfPath(write.strPath) + " is read-only, so nothing was saved.\nRemove its "
                                              "read-only attribute to save.");
        break;
    case CSaveResult::kLocked:
        ShowError("Another program is writing the scenery library, so nothing was saved.");
        break;
    case CSaveResult::kWritten:
        for (ELibraryFile kept : write.kept)
            ShowError(m_doc.Paths().files[kept] + " could not be read at start-up (" +
                      m_doc.Files()[kept].strReason + "), so it was left as it is; " +
                      JoinedNames(names) + " were saved.");
        break;
    default:
        ShowError(write.strPath + " could not be saved: " + write.strReason + "\n" + nothing);
    }
}

void CLibraryCommands::OnUndo() {
    m_view.ShowStep(m_doc.Undo());
}

void CLibraryCommands::OnRedo() {
    m_view.ShowStep(m_doc.Redo());
}

void CLibraryCommands::OnAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CLibraryCommands::OnCheckLibrary() {
    std::string text = "No Flight Simulator 2004 folder is known, so there is no library to check.";
    UINT nIcon = MB_ICONWARNING;
    if (m_doc.IsOpen()) {
        CAirportIndex airports;
        if (!IndexAirports(airports, m_wnd))
            return;
        try {
            const std::vector<CFinding> findings = m_doc.Check(airports);
            text = FindingsText(findings, kMaxCheckLines);
            nIcon = HasErrors(findings) ? MB_ICONWARNING : MB_ICONINFORMATION;
        } catch (const std::bad_alloc&) {
            ShowError(kNoMemoryForAirports);
            return;
        }
    }
    MessageBoxA(m_wnd.m_hWnd, text.c_str(), "Check library", MB_OK | nIcon);
}

bool CLibraryCommands::IndexAirports(CAirportIndex& index, CWnd& owner) {
    CIndexProgressDlg progress(m_dialogs.AirportIndexWork(), &owner);
    if (progress.DoModal() != IDOK) {
        if (progress.OutOfMemory())
            ShowError(kNoMemoryForAirports);
        return false;
    }
    index = std::move(progress.Index());
    return true;
}

void CLibraryCommands::OnAirports() {
    if (!IsLibraryOpen("airports", "Airports"))
        return;
    CAirportIndex index;
    if (!IndexAirports(index, m_wnd))
        return;
    CAirportResolving resolving{[this](CResolveDlg& dlg) { return m_dialogs.RunDialog(dlg); },
                                [this, &index](const CRearrangement& change, CWnd& owner) {
                                    m_view.Show(m_doc.Rearrange(change));
                                    return IndexAirports(index, owner);
                                }};
    std::optional<CAirportsDlg> airports;
    try {
        airports.emplace(index, &m_wnd, std::move(resolving));
    } catch (const std::bad_alloc&) {
        ShowError(kNoMemoryForAirports);
        return;
    }
    const INT_PTR nResult = m_dialogs.RunDialog(*airports);
    if (nResult == IDABORT)
        ShowError(kNoMemoryForAirports);
    if (nResult == IDC_SHOW_IN_LIST) {
        m_list.SetCurSel(m_doc.RowOf(airports->ShownArea()));
        m_list.SetFocus();
    }
}

void CLibraryCommands::OnProfiles() {
    if (!IsLibraryOpen("profiles", "Profiles"))
        return;
    // Saving profiles over a file that could not be read would lose the
    // user's own, so none are offered until it is mended.
    if (const CSaveResult refused = m_doc.ProfilesUnreadable();
        refused.outcome != CSaveResult::kWritten) {
        ShowError(refused.strPath + " could not be read at start-up (" + refused.strReason +
                  "), so profiles cannot be used until it is mended.");
        return;
    }
    CProfilesDlg profiles(
        m_doc, [this](const CChanges& changes) { m_view.Show(changes); }, &m_wnd);
    m_dialogs.RunDialog(profiles);
}

void CLibraryCommands::OnBackups() {
    if (!IsLibraryOpen("backups", "Backups"))
        return;
    CBackupsDlg backups(m_doc, &m_wnd);
    if (m_dialogs.RunDialog(backups) == IDOK)
        m_view.Show(m_doc.ReplaceLibrary(std::move(backups.ChosenSet())));
}

BEGIN_MESSAGE_MAP(CLibraryCommands, CCmdTarget)
ON_BN_CLICKED(IDC_SAVE, OnSave)
ON_WM_SYSCOMMAND_EX()
ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
END_MESSAGE_MAP()
