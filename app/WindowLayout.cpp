// The main window at any size: the list and the tree share the added width
// as the template shares theirs between them, the buttons keep to the edges
// of what they sit under, Save and Quit to the bottom right, and the
// template's size is the smallest. Where the user last left the window is
// kept in the settings file and taken again when it still lies on a screen.

#include "ManagerDlg.h"
#include "Settings.h"
#include "resource.h"

namespace {

// Where the children not named here go: with the list's buttons and the
// Find field, at the bottom left.
constexpr CAnchor kBottomLeft{0, 1, 0, 1};

} // namespace

void CManagerDlg::InitWindowLayout() {
    RECT list, tree;
    ::GetWindowRect(m_listScenery.m_hWnd, &list);
    ::GetWindowRect(m_treeFolders.m_hWnd, &tree);
    const double fList = static_cast<double>(list.right - list.left) /
                         ((list.right - list.left) + (tree.right - tree.left));
    const std::pair<int, CAnchor> anchors[] = {
        {IDC_LIST_SCENERY, {0, 0, fList, 1}},
        {IDC_ADD_TO_FOLDER, {fList, 0.5, fList, 0.5}},
        {IDC_REMOVE_FROM_FOLDER, {fList, 0.5, fList, 0.5}},
        {IDC_TREE_FOLDERS, {fList, 0, 1, 1}},
        {IDC_NEW_FOLDER, {fList, 1, fList, 1}},
        {IDC_REMOVE_FOLDER, {fList, 1, fList, 1}},
        {IDC_RENAME_FOLDER, {fList, 1, fList, 1}},
        {IDC_SAVE, {1, 1, 1, 1}},
        {IDOK, {1, 1, 1, 1}},
    };
    m_layout.Begin(m_hWnd);
    for (HWND hChild = GetWindow(m_hWnd, GW_CHILD); hChild;
         hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        const int nID = ::GetDlgCtrlID(hChild);
        CAnchor anchor = kBottomLeft;
        for (const auto& [nNamed, named] : anchors) {
            if (nNamed == nID)
                anchor = named;
        }
        m_layout.Anchor(hChild, anchor);
    }

    if (const std::optional<CWindowPlace> kept = ReadSettingsWindowPlace(GetSettingsPath())) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        placement.rcNormalPosition = {kept->nLeft, kept->nTop, kept->nRight, kept->nBottom};
        placement.showCmd = kept->bMaximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
        // A screen taken away since leaves the window where the system puts it.
        if (MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONULL))
            SetWindowPlacement(m_hWnd, &placement);
    }
    m_openedPlace = CurrentPlace();
}

CWindowPlace CManagerDlg::CurrentPlace() const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(m_hWnd, &placement);
    const RECT& rect = placement.rcNormalPosition;
    const bool bMaximized =
        IsIconic() ? (placement.flags & WPF_RESTORETOMAXIMIZED) != 0 : IsZoomed(m_hWnd) != FALSE;
    return {rect.left, rect.top, rect.right, rect.bottom, bMaximized};
}

LRESULT CManagerDlg::OnSize(WPARAM wParam, LPARAM lParam) {
    if (wParam != SIZE_MINIMIZED)
        m_layout.Resize(LOWORD(lParam), HIWORD(lParam));
    return 0;
}

LRESULT CManagerDlg::OnGetMinMaxInfo(WPARAM, LPARAM lParam) {
    m_layout.LimitTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
    return 0;
}
