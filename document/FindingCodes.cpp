#include "FindingCodes.h"

#include <algorithm>

namespace {

constexpr CFindingCode kCodes[] = {
    {"missing-folder", ESeverity::kError, "an area that is on names no folder"},
    {"no-areas", ESeverity::kError, "scenery.cfg holds no area"},
    {"unreadable-file", ESeverity::kError, "a file of the library cannot be read"},
    {"bgl-damaged", ESeverity::kError, "a .bgl file is damaged"},
    {"bgl-other-simulator", ESeverity::kError, "a .bgl file is for a later simulator"},
    {"missing-folder-inactive", ESeverity::kWarning, "an area that is off names no folder"},
    {"no-scenery-files", ESeverity::kWarning, "an area's scenery folder holds no .bgl"},
    {"duplicate-local", ESeverity::kWarning, "two areas name the same folder"},
    {"required-off", ESeverity::kWarning, "an area the simulator requires is off"},
    {"all-areas-off", ESeverity::kWarning, "every area is off: nothing loads"},
    {"unmatched-folder-entry", ESeverity::kWarning, "a Folder.txt entry names no area"},
    {"folder-entry-after-gap", ESeverity::kWarning, "a Folder.txt entry after a gap"},
    {"unmatched-profile-entry", ESeverity::kWarning, "a Profiles.txt entry names no area"},
    {"airport-conflict", ESeverity::kWarning, "add-ons define one airport and merge"},
    {"airport-merges-stock", ESeverity::kWarning, "an add-on airport merges with stock"},
    {"airport-twice-in-area", ESeverity::kWarning, "one area defines an airport twice"},
    {"bgl-unreadable", ESeverity::kWarning, "a .bgl file cannot be read"},
    {"renumbered-sections", ESeverity::kInfo, "the next save renumbers the areas"},
    {"layers-rewritten", ESeverity::kInfo, "the next save rewrites the layers"},
};

} // namespace

std::span<const CFindingCode> FindingCodes() {
    return kCodes;
}

const CFindingCode* FindFindingCode(std::string_view code) {
    const auto found = std::find_if(std::begin(kCodes), std::end(kCodes),
                                    [&](const CFindingCode& row) { return code == row.pszCode; });
    return found == std::end(kCodes) ? nullptr : found;
}

std::string FindingCodesText(std::size_t nIndent) {
    constexpr std::size_t kCodeWidth = 24, kSeverityWidth = 9;
    std::string text;
    for (const CFindingCode& row : kCodes) {
        const std::string code = row.pszCode, severity = SeverityName(row.severity);
        text.append(text.empty() ? "" : "\n")
            .append(nIndent, ' ')
            .append(code)
            .append(kCodeWidth - code.size(), ' ')
            .append(severity)
            .append(kSeverityWidth - severity.size(), ' ')
            .append(row.pszMeaning);
    }
    return text;
}
