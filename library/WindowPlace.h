#pragma once

// Where the window program's main window stood when the user last moved,
// sized or maximized it: a line of the settings file, written and read
// here so that its form is the same on every face of the program.

#include <optional>
#include <string>
#include <string_view>

// The window's rectangle when not maximized, in the system's screen
// coordinates, and whether it was maximized.
struct CWindowPlace {
    int nLeft = 0;
    int nTop = 0;
    int nRight = 0;
    int nBottom = 0;
    bool bMaximized = false;

    bool operator==(const CWindowPlace&) const = default;
};

// "left,top,right,bottom,maximized" in decimal, maximized 1 or 0.
std::string FormatWindowPlace(const CWindowPlace& place);
// The place the text names; nothing when it is not in FormatWindowPlace's
// form or names an empty or inside-out rectangle.
std::optional<CWindowPlace> ParseWindowPlace(std::string_view text);

std::optional<CWindowPlace> ReadSettingsWindowPlace(const std::string& settingsPath);
// Stores the place; the file's other sections and keys stay as they are.
void WriteSettingsWindowPlace(const std::string& settingsPath, const CWindowPlace& place);
