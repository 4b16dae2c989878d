#include "CodePage.h"

#include <algorithm>
#include <array>

namespace {

// The characters of the bytes 0x80 to 0x9F; the five bytes the code page
// leaves undefined stand for the control characters of their own value, as
// Windows converts them. Every byte from 0xA0 is the character of its value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharOf(unsigned char c) {
    return c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c;
}

std::optional<unsigned char> ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    auto found = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (found == kHighControls.end())
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + (found - kHighControls.begin()));
}

// Simple upper case of the characters the code page holds, as Wine's case
// table has them (the micro sign and the sharp s have none).
char32_t UpperOf(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    switch (c) {
    case 0xFF:
        return 0x178;
    case 0x153:
    case 0x161:
    case 0x17E:
    case 0x192:
        return c - 1;
    default:
        return c;
    }
}

// The next character of UTF-8 text, or nothing when the bytes are no
// well-formed UTF-8 (overlong forms and surrogates included).
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& n) {
    const unsigned char lead = static_cast<unsigned char>(text[n]);
    if (lead < 0x80) {
        ++n;
        return lead;
    }
    const std::size_t nMore = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    if (lead < 0xC2 || lead >= 0xF5 || n + nMore >= text.size())
        return std::nullopt;
    char32_t c = lead & (0x3F >> nMore);
    for (std::size_t i = 1; i <= nMore; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[n + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (next & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[nMore] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return std::nullopt;
    n += nMore + 1;
    return c;
}

// The name's characters, made upper case when asked.
std::u32string CharsOf(std::string_view name, bool bUpper) {
    std::u32string chars;
    chars.reserve(name.size());
    for (char c : name) {
        const char32_t ch = CharOf(static_cast<unsigned char>(c));
        chars += bUpper ? UpperOf(ch) : ch;
    }
    return chars;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<std::string> CCodePage::ToUtf8(std::string_view text) const {
    // Most titles and paths are ASCII, the same in every code page.
    if (IsAscii(text))
        return std::string(text);
    if (m_nNumber != kWestern)
        return std::nullopt;
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, CharOf(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> CCodePage::FromUtf8(std::string_view text) const {
    if (m_nNumber != kWestern)
        return IsAscii(text) ? std::optional<std::string>(text) : std::nullopt;
    std::string out;
    out.reserve(text.size());
    for (std::size_t n = 0; n < text.size();) {
        std::optional<char32_t> c = NextUtf8(text, n);
        std::optional<unsigned char> byte = c ? ByteOf(*c) : std::nullopt;
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string CCodePage::WhyNotConverted(std::string_view what) const {
    if (m_nNumber != kWestern)
        return std::string(what) + " holds characters beyond ASCII, and only code page 1252 is " +
               "converted (this one is " + std::to_string(m_nNumber) + ")";
    return std::string(what) + " holds characters that code page 1252 cannot hold";
}

std::u32string FoldName(std::string_view name) {
    return CharsOf(name, true);
}

char32_t FoldedChar(char c) {
    return UpperOf(CharOf(static_cast<unsigned char>(c)));
}

bool IsListedBefore(std::string_view a, std::string_view b) {
    const std::u32string foldedA = FoldName(a), foldedB = FoldName(b);
    if (foldedA != foldedB)
        return foldedA < foldedB;
    return CharsOf(a, false) < CharsOf(b, false);
}
