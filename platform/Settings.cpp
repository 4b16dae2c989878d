#include "Settings.h"

#include "Files.h"
#include "Profile.h"
#include "ProfileText.h"

std::string ReadSettingsValue(const std::string& settingsPath, std::string_view section,
                              std::string_view key) {
    std::string text;
    if (settingsPath.empty() || !ReadWholeFile(settingsPath, text))
        return {};
    return CProfile(std::move(text)).GetString(section, key, "");
}

void WriteSettingsValue(const std::string& settingsPath, std::string_view section,
                        std::string_view key, std::string_view value, std::string_view tempSuffix) {
    std::string text;
    if (settingsPath.empty() || ReadWholeFile(settingsPath, text).status == EFileStatus::kFailed)
        return;
    ReplaceFileAtomically(settingsPath, SetProfileKey(text, section, key, value), tempSuffix);
}
