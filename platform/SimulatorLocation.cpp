#include "SimulatorLocation.h"

#include "Files.h"
#include "Profile.h"
#include "ProfileText.h"

namespace {

constexpr const char* kSettingsSection = "Tarnwick";
constexpr const char* kSettingsKey = "FS2004Path";

} // namespace

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
