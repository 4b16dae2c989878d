#include "SimulatorLocation.h"

#include "Settings.h"

namespace {

constexpr const char* kSettingsKey = "FS2004Path";

} // namespace

#ifdef _WIN32
std::string ReadRegistrySimFolder(bool& bKeyFound) {
    return ReadRegistryString32(kSimRegistryKey, kSimRegistryValue, bKeyFound);
}
#endif

std::string ReadSettingsSimFolder(const std::string& settingsPath) {
    return ReadSettingsValue(settingsPath, kSettingsSection, kSettingsKey);
}

void WriteSettingsSimFolder(const std::string& settingsPath, const std::string& simPath) {
    WriteSettingsValue(settingsPath, kSettingsSection, kSettingsKey, simPath, kTempSuffix);
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
