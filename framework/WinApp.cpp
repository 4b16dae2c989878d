#include "WinApp.h"

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp() {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp() {
    return g_pApp;
}

std::string ResourceString(UINT nID) {
    char text[512];
    const int n = LoadStringA(GetModuleHandleA(nullptr), nID, text, sizeof text);
    return std::string(text, static_cast<std::size_t>(n > 0 ? n : 0));
}

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()
