#include "Ident.h"

namespace {

constexpr std::uint32_t kBase = 38;

int CodeOf(char c) {
    if (c == ' ')
        return 0;
    if (c >= '0' && c <= '9')
        return c - '0' + 2;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 12;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 12;
    return -1;
}

char CharOf(std::uint32_t nCode) {
    if (nCode == 0)
        return ' ';
    return nCode < 12 ? static_cast<char>('0' + nCode - 2) : static_cast<char>('A' + nCode - 12);
}

} // namespace

std::optional<std::uint32_t> PackIdent(std::string_view ident) {
    // Five characters keep the value, shifted by five bits, within 32 bits.
    if (ident.empty() || ident.size() > 5)
        return std::nullopt;
    std::uint32_t nValue = 0;
    for (char c : ident) {
        const int nCode = CodeOf(c);
        if (nCode < 0)
            return std::nullopt;
        nValue = nValue * kBase + static_cast<std::uint32_t>(nCode);
    }
    return nValue;
}

std::optional<std::string> UnpackIdent(std::uint32_t nValue) {
    if (nValue == 0)
        return std::nullopt;
    std::string ident;
    for (; nValue != 0; nValue /= kBase) {
        const std::uint32_t nCode = nValue % kBase;
        if (nCode == 1)
            return std::nullopt;
        ident.insert(ident.begin(), CharOf(nCode));
    }
    return ident;
}
