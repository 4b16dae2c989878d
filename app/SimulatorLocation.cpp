#include "SimulatorLocation.h"

#include "Files.h"
#include "Profile.h"
#include "ProfileText.h"

namespace {

constexpr const char* kSettingsSection = "Tarnwick";
constexpr const char* kSettingsKey = "FS2004Path";

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

std::string GetSettingsPath() {
    char path[kMaxPath + 1];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path || n < 3)
        return {};
    return std::string(path, n - 3) + "ini";
}

std::string ReadSettingsSimFolder(const std::string& settingsPath) {
    std::string text;
    if (settingsPath.empty() || !ReadWholeFile(settingsPath, text))
        return {};
    return CProfile(std::move(text)).GetString(kSettingsSection, kSettingsKey, "");
}

void WriteSettingsSimFolder(const std::string& settingsPath, const std::string& simPath) {
    std::string text;
    if (settingsPath.empty() || ReadWholeFile(settingsPath, text).status == EFileStatus::kFailed)
        return;
    ReplaceFileAtomically(settingsPath,
                          SetProfileKey(text, kSettingsSection, kSettingsKey, simPath));
}

std::string SimPathFromFolder(std::string folder) {
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder + "\\";
}

std::string BackupPathOf(const std::string& sceneryCfgPath) {
    std::size_t nDot = sceneryCfgPath.rfind('.');
    return nDot == std::string::npos ? std::string() : sceneryCfgPath.substr(0, nDot) + "_bak.twk";
}
