#include "AreaCommands.h"

#include "FolderBrowser.h"
#include "NameDlg.h"
#include "SceneryFolder.h"
#include "resource.h"

#include <shellapi.h>

namespace {

constexpr const char* kConfirmRemove = "Do you really want to remove this scenery ?";

} // namespace

void CAreaCommands::OnAddScenery() {
    if (const std::string why = m_doc.WhyNoAreaFits(); !why.empty()) {
        ShowError(why);
        return;
    }
    const std::string folder =
        BrowseForFolder(m_wnd.m_hWnd, "Select scenery path", m_strBrowsePath,
                        [](const std::string& candidate) { return IsSceneryFolder(candidate); });
    if (!folder.empty())
        AddSceneryFolder(folder);
}

void CAreaCommands::AddSceneryFolder(const std::string& folder) {
    m_strBrowsePath = folder;
    if (const int nHeld = m_doc.HeldBy(folder); nHeld >= 0) {
        const std::string question = folder + " is already in the library as \"" +
                                     m_doc.Area(nHeld).GetTitle() + "\".\nAdd it again?";
        if (MessageBoxA(m_wnd.m_hWnd, question.c_str(), "Tarnwick",
                        MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) != IDYES)
            return;
    }
    std::string name = ProposedTitle(folder, m_doc.SimPath());
    CNameDlg ask(name);
    if (ask.DoModal() != IDOK)
        return;
    const CChangeResult added = m_doc.AddArea(folder, name, true);
    m_view.Show(added.changes);
    if (added.Refused())
        ShowError(added.strRefused);
}

bool CAreaCommands::ConfirmRemove(std::size_t nCount) const {
    const std::string question = nCount == 1 ? kConfirmRemove
                                             : "Do you really want to remove these " +
                                                   std::to_string(nCount) + " sceneries ?";
    return MessageBoxA(m_wnd.m_hWnd, question.c_str(), "Warning", MB_YESNO) == IDYES;
}

void CAreaCommands::OnRemoveScenery() {
    RemoveSelectedRows(false);
}

LRESULT CAreaCommands::OnDeleteScenery(WPARAM, LPARAM) {
    RemoveSelectedRows(true);
    return 1;
}

void CAreaCommands::RemoveSelectedRows(bool bRequiredToo) {
    const std::vector<int> aAreas = m_view.SelectedAreas();
    if (aAreas.empty() || !ConfirmRemove(aAreas.size()))
        return;
    const CChangeResult removed = m_doc.RemoveAreas(aAreas, bRequiredToo);
    m_view.Show(removed.changes);
    if (removed.Refused())
        ShowError(removed.strRefused);
}

void CAreaCommands::OnUpdateRemoveScenery(CCmdUI* pCmdUI) {
    const std::vector<int> aAreas = m_view.SelectedAreas();
    pCmdUI->Enable(!aAreas.empty() && m_doc.WhyNotRemoved(aAreas).empty());
}

void CAreaCommands::OnRenameScenery() {
    const std::vector<int> aAreas = m_view.SelectedAreas();
    if (aAreas.size() != 1)
        return;
    std::string name = m_doc.Area(aAreas[0]).GetTitle().substr(0, kMaxNameLength);
    CNameDlg ask(name);
    if (ask.DoModal() == IDOK)
        m_view.Show(m_doc.RenameArea(aAreas[0], name));
}

void CAreaCommands::OnUpdateRenameScenery(CCmdUI* pCmdUI) {
    pCmdUI->Enable(m_list.GetSelCount() == 1);
}

LRESULT CAreaCommands::OnToggleActive(WPARAM wParam, LPARAM lParam) {
    const int nRow = static_cast<int>(wParam);
    if (nRow < m_doc.RowCount()) {
        const bool bActive = !m_doc.Rows()[static_cast<std::size_t>(nRow)].bActive;
        m_view.Show(
            m_doc
                .SetAreasActive(lParam ? m_view.SelectedAreas() : m_view.AreasOfRows({nRow}),
                                bActive, true)
                .changes);
    }
    return 1;
}

LRESULT CAreaCommands::OnMoveScenery(WPARAM, LPARAM lParam) {
    MoveSelectedRows(static_cast<int>(lParam));
    return 1;
}

void CAreaCommands::MoveSelectedRows(int nBefore) {
    const std::vector<int> aRows = m_list.GetSelRows();
    if (aRows.empty() || aRows.back() >= m_doc.RowCount() || nBefore >= m_doc.RowCount())
        return;
    m_view.Show(m_doc.MoveRows(aRows, nBefore < 0 ? m_doc.RowCount() : nBefore));
}

void CAreaCommands::OnScanDirectory() {
    const std::string directory =
        BrowseForFolder(m_wnd.m_hWnd, "Select directory to scan", m_strBrowsePath);
    if (!directory.empty())
        AddSceneryFolders(directory);
}

void CAreaCommands::AddSceneryFolders(const std::string& directory) {
    const CChangeResult found = m_doc.Scan(directory);
    m_view.Show(found.changes);
    if (found.changes.empty() && !found.held.empty()) {
        const std::string text = "No new scenery folder in " + directory + ": the " +
                                 std::to_string(found.held.size()) +
                                 " found are in the library already.";
        MessageBoxA(m_wnd.m_hWnd, text.c_str(), "Tarnwick", MB_OK | MB_ICONINFORMATION);
    }
    if (found.Refused())
        ShowError(found.strRefused);
}

LRESULT CAreaCommands::OnDropFiles(WPARAM wParam, LPARAM) {
    HDROP hDrop = reinterpret_cast<HDROP>(wParam);
    std::vector<std::string> paths;
    const UINT nCount = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
    for (UINT n = 0; n < nCount; ++n) {
        std::string path(DragQueryFileA(hDrop, n, nullptr, 0), '\0');
        DragQueryFileA(hDrop, n, path.data(), static_cast<UINT>(path.size() + 1));
        paths.push_back(std::move(path));
    }
    // The drop's block is freed before the box below waits for the user.
    DragFinish(hDrop);
    AddDroppedFolders(paths);
    return 0;
}

void CAreaCommands::AddDroppedFolders(const std::vector<std::string>& paths) {
    const CChangeResult added = m_doc.AddAreas(paths);
    m_view.Show(added.changes);
    ShowRefusal(added, "Tarnwick", MB_ICONINFORMATION);
}

void CAreaCommands::Find(const std::string& text) {
    const int nStart = m_list.GetCurSel();
    m_list.SelectPrefix(nStart == LB_ERR ? 0 : nStart, text);
}

BEGIN_MESSAGE_MAP(CAreaCommands, CCmdTarget)
ON_BN_CLICKED(IDC_ADD_SCENERY, OnAddScenery)
ON_BN_CLICKED(IDC_REMOVE_SCENERY, OnRemoveScenery)
ON_UPDATE_COMMAND_UI(IDC_REMOVE_SCENERY, OnUpdateRemoveScenery)
ON_BN_CLICKED(IDC_RENAME_SCENERY, OnRenameScenery)
ON_UPDATE_COMMAND_UI(IDC_RENAME_SCENERY, OnUpdateRenameScenery)
ON_BN_CLICKED(IDC_SCAN_DIRECTORY, OnScanDirectory)
ON_MESSAGE(WM_SCENERY_TOGGLE, OnToggleActive)
ON_MESSAGE(WM_SCENERY_MOVE, OnMoveScenery)
ON_MESSAGE(WM_SCENERY_DELETE, OnDeleteScenery)
ON_MESSAGE(WM_DROPFILES, OnDropFiles)
END_MESSAGE_MAP()
