#include "IniText.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Between(const char* pFirst, const char* pLast) {
    return std::string_view(pFirst, static_cast<std::size_t>(pLast - pFirst));
}

std::size_t CountOf(std::string_view text, char c) {
    std::size_t n = 0;
    for (std::size_t nAt = text.find(c); nAt != std::string_view::npos; nAt = text.find(c, nAt + 1))
        ++n;
    return n;
}

} // namespace

std::string_view SkipUtf8Bom(std::string_view text) {
    return text.starts_with(kUtf8Bom) ? text.substr(kUtf8Bom.size()) : text;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = ToLowerAscii(c);
    return lower;
}

bool LessNoCase(std::string_view a, std::string_view b) {
    // Bytes compared unsigned, as std::string compares them.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(ToLowerAscii(x)) <
               static_cast<unsigned char>(ToLowerAscii(y));
    });
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
    auto same = [](char a, char b) { return ToLowerAscii(a) == ToLowerAscii(b); };
    // An empty part is found at once, even in an empty text.
    return part.empty() ||
           std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

std::string_view CutValue(std::string_view value) {
    return TrimBlanks(value.substr(0, CIniText::kMaxValue));
}

std::string_view StringValue(std::optional<std::string_view> value, std::string_view def) {
    return CutValue(value.value_or(def));
}

int IntValue(std::optional<std::string_view> value, int def) {
    return value ? ParseLeadingInt(*value).value_or(0) : def;
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    return TrimTrailingBlanks(TrimLeadingBlanks(text));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && ToLowerAscii(a[i]) != ToLowerAscii(b[i]))
            return false;
    }
    return true;
}

std::optional<int> ParseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        bNegative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9')
        return std::nullopt;
    const long long nLimit = bNegative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > nLimit)
            n = nLimit;
    }
    return static_cast<int>(bNegative ? -n : n);
}

bool CLineReader::Next(std::string_view& line) {
    const std::size_t nLeft = m_text.size() - m_nPos;
    if (nLeft == 0)
        return false;
    const char* pStart = m_text.data() + m_nPos;
    const void* pNewline = std::memchr(pStart, '\n', nLeft);
    if (pNewline == nullptr) {
        line = std::string_view(pStart, nLeft);
        m_nPos = m_text.size();
        return true;
    }
    std::size_t nLength = static_cast<std::size_t>(static_cast<const char*>(pNewline) - pStart);
    m_nPos += nLength + 1;
    if (nLength != 0 && pStart[nLength - 1] == '\r')
        --nLength;
    line = std::string_view(pStart, nLength);
    return true;
}

CIniText::CIniText(std::string text) : m_strText(std::move(text)) {
    const std::string_view all = m_strText;
    const std::size_t nStart = all.size() - SkipUtf8Bom(all).size();
    CLineReader reader(all.substr(nStart));
    // Every section line holds a "[" and every key line an "=": each vector
    // is sized once, not grown line after line.
    m_aSections.reserve(CountOf(all, '['));
    m_aKeys.reserve(CountOf(all, '='));
    CIniSection* pSection = nullptr;
    std::string_view line;
    while (reader.Next(line)) {
        std::size_t nLineEnd = nStart + reader.GetPosition();
        std::string_view text = TrimLeadingBlanks(line);
        if (text.empty() || text[0] == ';')
            continue;
        // Parts of the line are taken by pointer: the places found are
        // inside it.
        const char* const pText = text.data();
        const char* const pLineEnd = pText + text.size();
        if (text[0] == '[') {
            const void* pClose = std::memchr(pText + 1, ']', text.size() - 1);
            CIniSection section;
            section.line = line;
            section.name = Between(pText + 1, pClose ? static_cast<const char*>(pClose) : pLineEnd);
            section.body = std::string_view(all.data() + nLineEnd, 0);
            section.nFirstKey = m_aKeys.size();
            m_aSections.push_back(section);
            pSection = &m_aSections.back();
            continue;
        }
        const void* pFound = pSection ? std::memchr(pText, '=', text.size()) : nullptr;
        if (pFound == nullptr)
            continue;
        const char* const pEquals = static_cast<const char*>(pFound);
        // The key has no blank in front: the line's were taken off.
        m_aKeys.push_back({TrimTrailingBlanks(Between(pText, pEquals)),
                           TrimBlanks(Between(pEquals + 1, pLineEnd))});
        ++pSection->nKeys;
        const char* pBody = pSection->body.data();
        pSection->body = std::string_view(pBody, all.data() + nLineEnd - pBody);
    }
}

std::vector<CIniLine> CIniText::GetLines(const CIniSection* pSection) const {
    const std::string_view all = m_strText;
    const std::size_t nNext =
        pSection ? static_cast<std::size_t>(pSection - m_aSections.data()) + 1 : 0;
    const std::size_t nStart = pSection
                                   ? static_cast<std::size_t>(pSection->body.data() - all.data())
                                   : all.size() - SkipUtf8Bom(all).size();
    const std::size_t nEnd =
        nNext < m_aSections.size()
            ? static_cast<std::size_t>(m_aSections[nNext].line.data() - all.data())
            : all.size();
    const std::span<const CIniKey> keys =
        pSection ? GetKeys(*pSection) : std::span<const CIniKey>();
    std::vector<CIniLine> lines;
    CLineReader reader(all.substr(nStart, nEnd - nStart));
    auto key = keys.begin();
    for (std::string_view line; reader.Next(line);) {
        // The keys are in the order of their lines, each name inside its
        // own: the next key not yet met is on this line or a later one.
        const bool bKey = key != keys.end() && key->key.data() < line.data() + line.size();
        lines.push_back({line, bKey ? &*key++ : nullptr});
    }
    return lines;
}

const CIniSection* CIniText::FindSection(std::string_view name) const {
    for (const CIniSection& section : m_aSections) {
        if (EqualsNoCase(section.name, name))
            return &section;
    }
    return nullptr;
}

std::optional<std::string_view> CIniText::FindValue(const CIniSection& section,
                                                    std::string_view key) const {
    for (const CIniKey& entry : GetKeys(section)) {
        if (EqualsNoCase(entry.key, key))
            return entry.value;
    }
    return std::nullopt;
}

std::string CIniText::GetString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const CIniSection* pSection = FindSection(section);
    return pSection ? GetString(*pSection, key, def) : std::string(CutValue(def));
}

int CIniText::GetInt(std::string_view section, std::string_view key, int def) const {
    const CIniSection* pSection = FindSection(section);
    return pSection ? GetInt(*pSection, key, def) : def;
}

std::string CIniText::GetString(const CIniSection& section, std::string_view key,
                                std::string_view def) const {
    return std::string(StringValue(FindValue(section, key), def));
}

int CIniText::GetInt(const CIniSection& section, std::string_view key, int def) const {
    return IntValue(FindValue(section, key), def);
}
