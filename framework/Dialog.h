#pragma once

// CDialog: a dialog built from a template of the program's resources, run
// modally by the program's own message loop. Every message the loop takes
// goes first to the dialog's PreTranslateMessage.

#include "Wnd.h"

class CDialog;

// Binds control objects to the template's controls.
class CDataExchange {
public:
    explicit CDataExchange(CDialog* pDlg) : m_pDlgWnd(pDlg) {}
    CDialog* m_pDlgWnd;
};

// Attaches the object to the dialog's control nID, once.
void DDX_Control(CDataExchange* pDX, int nID, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Shows the dialog and runs it until EndDialog. Without a parent it is
    // owned by the application's main window, which is disabled meanwhile.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT WindowProc(UINT nMessage, WPARAM wParam, LPARAM lParam) override;

    // Over the direct children in Z-order: an update handler decides; else a
    // push button is enabled exactly when the target has a command handler
    // for it (when bDisableIfNoHandler), and other controls are left alone.
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT nMessage, WPARAM wParam,
                                             LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bInModalLoop = false;
    int m_nModalResult = -1;
};
