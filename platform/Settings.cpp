#include "Settings.h"

#include "Files.h"
#include "IniText.h"
#include "IniWriter.h"

std::string ReadSettingsValue(const std::string& settingsPath, std::string_view section,
                              std::string_view key) {
    std::string text;
    if (settingsPath.empty() || !ReadWholeFile(settingsPath, text))
        return {};
    return CIniText(std::move(text)).GetString(section, key, "");
}

void WriteSettingsValue(const std::string& settingsPath, std::string_view section,
                        std::string_view key, std::string_view value, std::string_view tempSuffix) {
    std::string text;
    if (settingsPath.empty() || ReadWholeFile(settingsPath, text).status == EFileStatus::kFailed)
        return;
    ReplaceFileAtomically(settingsPath, SetIniKey(text, section, key, value), tempSuffix);
}
