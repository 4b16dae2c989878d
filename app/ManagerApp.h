#pragma once

// The application: runs the main window modally, then ends.

#include "WinApp.h"

class CManagerApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
