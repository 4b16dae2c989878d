#include "WindowPlace.h"

#include "Settings.h"
#include "SimulatorLocation.h"

#include <charconv>

namespace {

constexpr const char* kPlaceKey = "WindowPlacement";

// The number at the text's front, which ends there or before a comma; the
// text then starts after that comma.
std::optional<int> TakeNumber(std::string_view& text, bool bLast) {
    int nValue = 0;
    const char* pEnd = text.data() + text.size();
    const auto [pNext, error] = std::from_chars(text.data(), pEnd, nValue);
    if (error != std::errc() || pNext == text.data())
        return std::nullopt;
    if (bLast ? pNext != pEnd : pNext == pEnd || *pNext != ',')
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(pNext - text.data()) + (bLast ? 0 : 1));
    return nValue;
}

} // namespace

std::string FormatWindowPlace(const CWindowPlace& place) {
    return std::to_string(place.nLeft) + "," + std::to_string(place.nTop) + "," +
           std::to_string(place.nRight) + "," + std::to_string(place.nBottom) + "," +
           (place.bMaximized ? "1" : "0");
}

std::optional<CWindowPlace> ParseWindowPlace(std::string_view text) {
    int aValues[5];
    for (int n = 0; n < 5; ++n) {
        const std::optional<int> nValue = TakeNumber(text, n == 4);
        if (!nValue)
            return std::nullopt;
        aValues[n] = *nValue;
    }
    const auto [nLeft, nTop, nRight, nBottom, nMaximized] = aValues;
    if (nRight <= nLeft || nBottom <= nTop || (nMaximized != 0 && nMaximized != 1))
        return std::nullopt;
    return CWindowPlace{nLeft, nTop, nRight, nBottom, nMaximized == 1};
}

std::optional<CWindowPlace> ReadSettingsWindowPlace(const std::string& settingsPath) {
    return ParseWindowPlace(ReadSettingsValue(settingsPath, kSettingsSection, kPlaceKey));
}

void WriteSettingsWindowPlace(const std::string& settingsPath, const CWindowPlace& place) {
    WriteSettingsValue(settingsPath, kSettingsSection, kPlaceKey, FormatWindowPlace(place),
                       kTempSuffix);
}
