#include "FolderBrowser.h"

#include "Files.h"

#include <shlobj.h>

namespace {

struct CBrowseData {
    const std::string& startFolder;
    const std::function<bool(const std::string&)>& accept;
};

int CALLBACK BrowseProc(HWND hWnd, UINT nEvent, LPARAM lParam, LPARAM lpData) {
    const CBrowseData& data = *reinterpret_cast<const CBrowseData*>(lpData);
    if (nEvent == BFFM_INITIALIZED && !data.startFolder.empty()) {
        SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(data.startFolder.c_str()));
    } else if (nEvent == BFFM_SELCHANGED && data.accept) {
        char path[MAX_PATH];
        bool bOk = SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), path) &&
                   data.accept(path);
        SendMessageA(hWnd, BFFM_ENABLEOK, 0, bOk);
    }
    return 0;
}

} // namespace

std::string BrowseForFolder(HWND hOwner, const char* pszTitle, const std::string& startFolder,
                            const std::function<bool(const std::string&)>& accept) {
    CBrowseData data{startFolder, accept};
    char displayName[MAX_PATH];
    BROWSEINFOA info{};
    info.hwndOwner = hOwner;
    info.pszDisplayName = displayName;
    info.lpszTitle = pszTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = BrowseProc;
    info.lParam = reinterpret_cast<LPARAM>(&data);
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

std::string BrowseSimFolder(HWND hOwner) {
    return BrowseForFolder(hOwner, "Select Flight Simulator 2004 path", "",
                           [](const std::string& folder) {
                               return GetPathKind(folder + "\\fs9.exe") != EPathKind::kNone;
                           });
}
