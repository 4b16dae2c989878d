#include "Output.h"

#include <cstdio>
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

std::string Utf8Text(const CCodePage& codePage, const std::string& stored) {
    if (std::optional<std::string> text = codePage.ToUtf8(stored))
        return *text;
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

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void PrintError(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "twk: %s\n", text.c_str());
}

std::string JsonString(const std::string& utf8) {
    std::string json = "\"";
    for (char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            json += escape;
        } else {
            json += c;
        }
    }
    return json + "\"";
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
        json += JsonString(pszKey) + ": " + value;
    }
    return json + "}";
}

std::string JsonArray(const std::vector<std::string>& elements) {
    if (elements.empty())
        return "[]";
    std::string json = "[\n";
    for (std::size_t n = 0; n < elements.size(); ++n)
        json += "  " + elements[n] + (n + 1 < elements.size() ? ",\n" : "\n");
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
