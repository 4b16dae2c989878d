#include "FolderBrowser.h"

std::string BrowseForFolder(HWND hOwner, const char* pszTitle, BFFCALLBACK pfnCallback,
                            const std::string& startFolder) {
    char displayName[MAX_PATH];
    BROWSEINFOA info{};
    info.hwndOwner = hOwner;
    info.pszDisplayName = displayName;
    info.lpszTitle = pszTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = pfnCallback;
    info.lParam = startFolder.empty() ? 0 : reinterpret_cast<LPARAM>(startFolder.c_str());
    HRESULT hCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string folder;
    if (LPITEMIDLIST pItem = SHBrowseForFolderA(&info)) {
        char path[MAX_PATH];
        if (SHGetPathFromIDListA(pItem, path))
            folder = path;
        CoTaskMemFree(pItem);
    }
    if (SUCCEEDED(hCom))
        CoUninitialize();
    return folder;
}
