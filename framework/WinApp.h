#pragma once

// The application object: exactly one, constructed before the program's
// entry point runs. The entry point calls InitInstance, which runs the whole
// program; its command table receives the commands no window serves.

#include "Wnd.h"

constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    // Runs the program; TRUE would keep a message loop running afterwards.
    virtual BOOL InitInstance() { return FALSE; }

    CWnd* m_pMainWnd = nullptr;

protected:
    // There is no help file: the command is accepted and changes nothing.
    void OnHelp() {}

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();

// The program's string resource, or empty.
std::string ResourceString(UINT nID);
