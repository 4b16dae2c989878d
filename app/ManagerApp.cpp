#include "ManagerApp.h"

#include "ManagerDlg.h"

// The one application object of the program (test programs have their own).
CManagerApp theApp;

BOOL CManagerApp::InitInstance() {
    CManagerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
