#pragma once

// The simulator's files hold single-byte text in a Windows code page, while
// names on a Linux disk, terminals and JSON are UTF-8. Windows-1252 is the
// code page converted; text beyond ASCII in any other one is refused with a
// reason, never turned into something else.

#include <optional>
#include <string>
#include <string_view>

class CCodePage {
public:
    static constexpr unsigned kWestern = 1252;

    explicit CCodePage(unsigned nNumber = kWestern) : m_nNumber(nNumber) {}
    unsigned GetNumber() const { return m_nNumber; }

    // Nothing when the text holds a byte beyond ASCII this class cannot
    // convert.
    std::optional<std::string> ToUtf8(std::string_view text) const;
    // Nothing when the text is not UTF-8 or holds a character the code page
    // lacks.
    std::optional<std::string> FromUtf8(std::string_view text) const;
    // Why the text, named by what, did not convert (either way).
    std::string WhyNotConverted(std::string_view what) const;

private:
    unsigned m_nNumber;
};

// Appends the character in UTF-8 (of the Basic Multilingual Plane).
void AppendUtf8(std::string& out, char32_t c);

// Names of the Windows-1252 code page in upper case as Windows compares file
// names: each character its Unicode code point, made upper case.
std::u32string FoldName(std::string_view name);
// One byte's character as FoldName has it.
char32_t FoldedChar(char c);

// The order in which Wine lists a folder's entries to a Windows program
// (Windows-1252 names): by their upper-case characters, equal ones by the
// characters themselves.
bool IsListedBefore(std::string_view a, std::string_view b);
