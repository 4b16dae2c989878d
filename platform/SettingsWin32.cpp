#include "Settings.h"

#include <windows.h>

#include <shlobj.h>

namespace {

// The longest path a 260-byte buffer holds with its terminator.
constexpr std::size_t kMaxPath = 259;

// A 64-bit build asks for the 32-bit view; the 32-bit build, which sees it
// anyway, asks for no view, as very old systems refuse the flag.
#ifdef _WIN64
constexpr REGSAM k32BitView = KEY_WOW64_32KEY;
#else
constexpr REGSAM k32BitView = 0;
#endif

// The registry's string: stops at its first zero, or at its size when the
// value was stored without one.
std::string RegistryString(const char* pData, DWORD nSize) {
    std::string text(pData, nSize);
    return text.substr(0, text.find('\0'));
}

} // namespace

std::string ReadRegistryString32(const char* pszKey, const char* pszValue, bool& bKeyFound) {
    HKEY hKey = nullptr;
    bKeyFound = RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszKey, 0, KEY_QUERY_VALUE | k32BitView, &hKey) ==
                ERROR_SUCCESS;
    if (!bKeyFound)
        return {};
    char data[kMaxPath + 1];
    DWORD nType = 0, nSize = sizeof data;
    LONG nResult =
        RegQueryValueExA(hKey, pszValue, nullptr, &nType, reinterpret_cast<BYTE*>(data), &nSize);
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS || (nType != REG_SZ && nType != REG_EXPAND_SZ))
        return {};
    std::string text = RegistryString(data, nSize);
    if (nType == REG_EXPAND_SZ) {
        char expanded[kMaxPath + 1];
        DWORD nNeeded = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
        text = nNeeded == 0 || nNeeded > sizeof expanded ? std::string(kMaxPath + 1, '?')
                                                         : std::string(expanded);
    }
    return text.size() > kMaxPath ? std::string() : text;
}

std::string GetProgramPath() {
    char path[kMaxPath + 1];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return n == 0 || n >= sizeof path ? std::string() : std::string(path, n);
}

std::string GetSettingsPath() {
    std::string path = GetProgramPath();
    return path.size() < 3 ? std::string() : path.substr(0, path.size() - 3) + "ini";
}

std::string GetCacheFolder() {
    char path[MAX_PATH] = {};
    return SUCCEEDED(
               SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))
               ? std::string(path)
               : std::string();
}
