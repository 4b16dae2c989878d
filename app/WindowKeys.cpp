// The main window's keys: Alt with the arrows, Home and End moves the
// selected rows, F2 renames, Ctrl+S saves, Ctrl+F goes to the Find field and
// Enter there finds.

#include "ManagerDlg.h"

namespace {

bool IsCtrl(const MSG& msg, WPARAM nKey) {
    return msg.message == WM_KEYDOWN && msg.wParam == nKey && GetKeyState(VK_CONTROL) < 0;
}

} // namespace

bool CManagerDlg::OnShortcut(const MSG& msg) {
    if (msg.message == WM_SYSKEYDOWN) {
        const std::vector<int> aRows = m_listScenery.GetSelRows();
        if (aRows.empty())
            return false;
        const int nCount = m_listScenery.GetCount();
        switch (msg.wParam) {
        case VK_UP:
            m_areaCommands.MoveSelectedRows(aRows.front() > 0 ? aRows.front() - 1 : 0);
            return true;
        case VK_DOWN:
            m_areaCommands.MoveSelectedRows(aRows.back() + 2 < nCount ? aRows.back() + 2 : -1);
            return true;
        case VK_HOME:
            m_areaCommands.MoveSelectedRows(0);
            return true;
        case VK_END:
            m_areaCommands.MoveSelectedRows(-1);
            return true;
        default:
            return false;
        }
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_F2) {
        m_areaCommands.OnRenameScenery();
        return true;
    }
    if (IsCtrl(msg, 'S')) {
        m_libraryCommands.OnSave();
        return true;
    }
    if (IsCtrl(msg, 'F')) {
        m_editFind.SetFocus();
        m_editFind.SendMessage(EM_SETSEL, 0, -1);
        return true;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && msg.hwnd == m_editFind.m_hWnd) {
        OnFind();
        return true;
    }
    return false;
}
