#include "SimulatorLocation.h"

#include <windows.h>

namespace {

// The simulator is a 32-bit program and writes its key in the registry's
// 32-bit view; a 64-bit build looks there too. The 32-bit build asks for no
// view, as very old systems refuse the flag.
#ifdef _WIN64
constexpr REGSAM kSimKeyView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kSimKeyView = 0;
#endif

// The registry's string: stops at its first zero, or at its size when the
// value was stored without one.
std::string RegistryString(const char* pData, DWORD nSize) {
    std::string text(pData, nSize);
    return text.substr(0, text.find('\0'));
}

} // namespace

std::string ReadRegistrySimFolder(bool& bKeyFound) {
    HKEY hKey = nullptr;
    bKeyFound = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSimRegistryKey, 0, KEY_QUERY_VALUE | kSimKeyView,
                              &hKey) == ERROR_SUCCESS;
    if (!bKeyFound)
        return {};
    char data[kMaxPath + 1];
    DWORD nType = 0, nSize = sizeof data;
    LONG nResult = RegQueryValueExA(hKey, kSimRegistryValue, nullptr, &nType,
                                    reinterpret_cast<BYTE*>(data), &nSize);
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS || (nType != REG_SZ && nType != REG_EXPAND_SZ))
        return {};
    std::string folder = RegistryString(data, nSize);
    if (nType == REG_EXPAND_SZ) {
        char expanded[kMaxPath + 1];
        DWORD nNeeded = ExpandEnvironmentStringsA(folder.c_str(), expanded, sizeof expanded);
        folder = nNeeded == 0 || nNeeded > sizeof expanded ? std::string(kMaxPath + 1, '?')
                                                           : std::string(expanded);
    }
    return folder.size() > kMaxPath ? std::string() : folder;
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
