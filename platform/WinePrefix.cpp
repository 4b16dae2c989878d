#include "WinePrefix.h"

#include "Files.h"
#include "IniText.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The character a C escape letter stands for; any other character stands
// for itself.
char ControlOfEscape(char c) {
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'e':
        return '\x1b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return c;
    }
}

// Text up to the closing quote or bracket, Wine's escapes decoded: "\\x"
// and up to four hex digits (a UTF-16 unit), "\\" and an octal number, a C
// escape, or a backslash before the character it protects. n ends past the
// closing character; nothing when the text ends first.
std::optional<std::string> Unescape(std::string_view line, std::size_t& n, char close) {
    std::string out;
    while (n < line.size()) {
        char c = line[n++];
        if (c == close)
            return out;
        if (c != '\\' || n == line.size()) {
            out += c;
            continue;
        }
        c = line[n++];
        if (c == 'x') {
            unsigned nUnit = 0;
            for (int i = 0; i < 4 && n < line.size() && HexDigit(line[n]) >= 0; ++i)
                nUnit = nUnit * 16 + static_cast<unsigned>(HexDigit(line[n++]));
            AppendUtf8(out, nUnit);
        } else if (c >= '0' && c <= '7') {
            unsigned nUnit = static_cast<unsigned>(c - '0');
            for (int i = 0; i < 2 && n < line.size() && line[n] >= '0' && line[n] <= '7'; ++i)
                nUnit = nUnit * 8 + static_cast<unsigned>(line[n++] - '0');
            AppendUtf8(out, nUnit);
        } else {
            out += ControlOfEscape(c);
        }
    }
    return std::nullopt;
}

} // namespace

CRegistryString FindRegistryString(std::string_view systemReg, std::string_view key,
                                   std::string_view value) {
    CRegistryString found;
    CLineReader lines(systemReg);
    std::string_view line;
    bool bInKey = false;
    while (lines.Next(line)) {
        std::size_t n = 1;
        if (line.starts_with('[')) {
            std::optional<std::string> name = Unescape(line, n, ']');
            bInKey = name && EqualsNoCase(*name, key);
            found.bKeyFound = found.bKeyFound || bInKey;
            continue;
        }
        if (!bInKey || !line.starts_with('"'))
            continue;
        std::optional<std::string> name = Unescape(line, n, '"');
        if (!name || !EqualsNoCase(*name, value) || n >= line.size() || line[n] != '=')
            continue;
        std::string_view data = line.substr(n + 1);
        std::size_t nData = 1;
        std::optional<std::string> text =
            data.starts_with('"') ? Unescape(data, nData, '"') : std::nullopt;
        if (text) {
            found.bValueFound = true;
            found.strValue = std::move(*text);
        } else {
            found.strWhyNot = data.starts_with("str(2):") ? "an expandable string, which only the "
                                                            "system expands"
                                                          : "not a string";
        }
        return found;
    }
    return found;
}

CRegistryString FindRegistryString32(std::string_view systemReg, std::string_view key,
                                     std::string_view value) {
    bool bWin64 = false;
    CLineReader lines(systemReg);
    std::string_view line;
    while (!bWin64 && lines.Next(line))
        bWin64 = line == "#arch=win64";
    std::string viewKey(key);
    if (bWin64)
        viewKey.insert(std::min(viewKey.find('\\'), viewKey.size()), "\\Wow6432Node");
    return FindRegistryString(systemReg, viewKey, value);
}

CCodePage CodePageOf(std::string_view systemReg) {
    CRegistryString acp =
        FindRegistryString(systemReg, "System\\CurrentControlSet\\Control\\Nls\\CodePage", "ACP");
    std::optional<int> nNumber = acp.bValueFound ? ParseLeadingInt(acp.strValue) : std::nullopt;
    return CCodePage(nNumber && *nNumber > 0 ? static_cast<unsigned>(*nNumber)
                                             : CCodePage::kWestern);
}

CDrives ReadDrives(const std::string& prefix) {
    CDrives drives;
    const std::string devices = prefix + "/dosdevices";
    if (GetPathKind(devices) != EPathKind::kDirectory) {
        drives['z' - 'a'].push_back('/');
        return drives;
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        char resolved[PATH_MAX];
        const std::string link = devices + "/" + letter + ":";
        if (::realpath(link.c_str(), resolved) != nullptr &&
            GetPathKind(resolved) == EPathKind::kDirectory)
            drives[static_cast<std::size_t>(letter - 'a')] = resolved;
    }
    return drives;
}
