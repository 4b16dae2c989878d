#include "Output.h"

#include "Console.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

std::string TerminalText(const CCodePage& codePage, const std::string& stored) {
#ifdef _WIN32
    (void)codePage;
    return stored;
#else
    return Utf8Text(codePage, stored);
#endif
}

std::string StoredText(const CCodePage& codePage, const std::string& what, const std::string& text,
                       std::string& stored) {
#ifdef _WIN32
    (void)codePage;
    (void)what;
    stored = text;
    return {};
#else
    std::optional<std::string> converted = codePage.FromUtf8(text);
    stored = converted.value_or("");
    return converted ? "" : codePage.WhyNotConverted(what + " " + text);
#endif
}

std::string WhyNotOneLine(const std::string& what, const std::string& text) {
    if (text.find_first_of(std::string("\r\n\0", 3)) == std::string::npos)
        return {};
    return what + " holds a line break or a NUL byte, which would start a new line in the file";
}

std::string StoredLine(const CCodePage& codePage, const std::string& what, const std::string& text,
                       std::string& stored) {
    std::string error = WhyNotOneLine(what, text);
    return error.empty() ? StoredText(codePage, what, text, stored) : error;
}

std::string Utf8Text(const CCodePage& codePage, const std::string& stored) {
    if (std::optional<std::string> text = codePage.ToUtf8(stored))
        return std::move(*text);
    std::string text;
    for (char c : stored) {
        if (static_cast<unsigned char>(c) < 0x80)
            text += c;
        else
            AppendUtf8(text, 0xFFFD);
    }
    return text;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string Wrapped(std::string_view text, std::size_t nWidth, std::size_t nIndent,
                    std::size_t nFirst) {
    std::string wrapped;
    std::size_t nColumn = nFirst;
    bool bLineEmpty = true;
    for (std::size_t n = 0; n < text.size();) {
        if (text.substr(n).starts_with("\n\n")) {
            wrapped.append("\n\n").append(nIndent, ' ');
            nColumn = nIndent;
            bLineEmpty = true;
            n += 2;
            continue;
        }
        if (text[n] == ' ' || text[n] == '\n') {
            ++n;
            continue;
        }
        const std::size_t nEnd = std::min(text.find_first_of(" \n", n), text.size());
        const std::string_view word = text.substr(n, nEnd - n);
        if (!bLineEmpty && nColumn + 1 + word.size() > nWidth) {
            wrapped.append("\n").append(nIndent, ' ');
            nColumn = nIndent;
            bLineEmpty = true;
        }
        if (!bLineEmpty) {
            wrapped += ' ';
            ++nColumn;
        }
        wrapped += word;
        nColumn += word.size();
        bLineEmpty = false;
        n = nEnd;
    }
    return wrapped;
}

std::size_t WidthOf(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

namespace {

// Where the character after the first nChars begins.
std::size_t ByteOfCharacter(std::string_view text, std::size_t nChars) {
    std::size_t n = 0;
    for (; n < text.size(); ++n) {
        if ((static_cast<unsigned char>(text[n]) & 0xC0) != 0x80 && nChars-- == 0)
            break;
    }
    return n;
}

} // namespace

std::string ShortenedMiddle(const std::string& text, std::size_t nWidth) {
    const std::size_t nHave = WidthOf(text);
    if (nHave <= nWidth)
        return text;
    constexpr std::string_view kDots = "...";
    if (nWidth <= kDots.size())
        return text.substr(0, ByteOfCharacter(text, nWidth));
    const std::size_t nTail = (nWidth - kDots.size()) / 2;
    const std::size_t nHead = nWidth - kDots.size() - nTail;
    return text.substr(0, ByteOfCharacter(text, nHead)) + std::string(kDots) +
           text.substr(ByteOfCharacter(text, nHave - nTail));
}

std::string FittedLines(const std::string& text, std::size_t nWidth) {
    if (nWidth == 0)
        return text;
    std::string fitted;
    for (std::size_t nStart = 0; nStart <= text.size();) {
        const std::size_t nEnd = std::min(text.find('\n', nStart), text.size());
        fitted.append(nStart == 0 ? "" : "\n")
            .append(ShortenedMiddle(text.substr(nStart, nEnd - nStart), nWidth));
        nStart = nEnd + 1;
    }
    return fitted;
}

void PrintFitted(const std::string& text) {
    PrintLine(FittedLines(text, OutputTerminalColumns()));
}

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "twk: %s\n", text.c_str());
}

namespace {

// Appends the text as a JSON string: runs that need no escape go in whole.
void AppendJsonString(std::string& json, std::string_view utf8) {
    json += '"';
    std::size_t nRun = 0;
    for (std::size_t n = 0; n < utf8.size(); ++n) {
        const unsigned char byte = static_cast<unsigned char>(utf8[n]);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        json.append(utf8, nRun, n - nRun);
        nRun = n + 1;
        if (byte >= 0x20) {
            json += '\\';
            json += static_cast<char>(byte);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        }
    }
    json.append(utf8, nRun);
    json += '"';
}

} // namespace

std::string JsonString(const std::string& utf8) {
    std::string json;
    json.reserve(utf8.size() + 2);
    AppendJsonString(json, utf8);
    return json;
}

std::string JsonNumberOrNull(int nValue, bool bPresent) {
    return bPresent ? std::to_string(nValue) : "null";
}

std::string JsonStringOrNull(const std::string& utf8, bool bPresent) {
    return bPresent ? JsonString(utf8) : "null";
}

std::string JsonObject(std::initializer_list<std::pair<const char*, std::string>> members) {
    std::string json = "{";
    for (const auto& [pszKey, value] : members) {
        if (json.size() > 1)
            json += ", ";
        AppendJsonString(json, pszKey);
        json += ": ";
        json += value;
    }
    return json + "}";
}

std::string JsonArray(const std::vector<std::string>& elements) {
    if (elements.empty())
        return "[]";
    std::size_t nSize = 3;
    for (const std::string& element : elements)
        nSize += element.size() + 4;
    std::string json;
    json.reserve(nSize);
    json += "[\n";
    for (std::size_t n = 0; n < elements.size(); ++n) {
        json += "  ";
        json += elements[n];
        json += n + 1 < elements.size() ? ",\n" : "\n";
    }
    return json + "]";
}

std::string JsonInlineArray(const std::vector<std::string>& elements) {
    std::string json = "[";
    for (std::size_t n = 0; n < elements.size(); ++n) {
        if (n > 0)
            json += ", ";
        json += elements[n];
    }
    return json + "]";
}
