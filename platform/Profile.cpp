#include "Profile.h"

#include <climits>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

int ToInt(std::string_view value) {
    return ParseLeadingInt(value).value_or(0);
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

std::string CutValue(std::string_view value) {
    return std::string(TrimBlanks(value.substr(0, CProfile::kMaxValue)));
}

std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    text = TrimLeadingBlanks(text);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
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
    if (m_nPos >= m_text.size())
        return false;
    std::size_t nEnd = m_text.find('\n', m_nPos);
    std::size_t nNext = nEnd == std::string_view::npos ? m_text.size() : nEnd + 1;
    if (nEnd == std::string_view::npos)
        nEnd = m_text.size();
    else if (nEnd > m_nPos && m_text[nEnd - 1] == '\r')
        --nEnd;
    line = m_text.substr(m_nPos, nEnd - m_nPos);
    m_nPos = nNext;
    return true;
}

CProfile::CProfile(std::string text) : m_strText(std::move(text)) {
    const std::string_view all = m_strText;
    const std::size_t nStart = all.size() - SkipUtf8Bom(all).size();
    CLineReader reader(all.substr(nStart));
    CProfileSection* pSection = nullptr;
    std::string_view line;
    while (reader.Next(line)) {
        std::size_t nLineEnd = nStart + reader.GetPosition();
        std::string_view text = TrimLeadingBlanks(line);
        if (text.empty() || text[0] == ';')
            continue;
        if (text[0] == '[') {
            std::size_t nClose = text.find(']', 1);
            CProfileSection section;
            section.line = line;
            section.name = text.substr(1, nClose == std::string_view::npos ? std::string_view::npos
                                                                           : nClose - 1);
            section.body = all.substr(nLineEnd, 0);
            section.nFirstKey = m_aKeys.size();
            m_aSections.push_back(section);
            pSection = &m_aSections.back();
            continue;
        }
        std::size_t nEquals = text.find('=');
        if (pSection == nullptr || nEquals == std::string_view::npos)
            continue;
        m_aKeys.push_back(
            {TrimBlanks(text.substr(0, nEquals)), TrimBlanks(text.substr(nEquals + 1))});
        ++pSection->nKeys;
        const char* pBody = pSection->body.data();
        pSection->body = std::string_view(pBody, all.data() + nLineEnd - pBody);
    }
}

const CProfileSection* CProfile::FindSection(std::string_view name) const {
    for (const CProfileSection& section : m_aSections) {
        if (EqualsNoCase(section.name, name))
            return &section;
    }
    return nullptr;
}

std::optional<std::string_view> CProfile::FindValue(const CProfileSection& section,
                                                    std::string_view key) const {
    for (const CProfileKey& entry : GetKeys(section)) {
        if (EqualsNoCase(entry.key, key))
            return entry.value;
    }
    return std::nullopt;
}

std::string CProfile::GetString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const CProfileSection* pSection = FindSection(section);
    return pSection ? GetString(*pSection, key, def) : CutValue(def);
}

int CProfile::GetInt(std::string_view section, std::string_view key, int def) const {
    const CProfileSection* pSection = FindSection(section);
    return pSection ? GetInt(*pSection, key, def) : def;
}

std::string CProfile::GetString(const CProfileSection& section, std::string_view key,
                                std::string_view def) const {
    return CutValue(FindValue(section, key).value_or(def));
}

int CProfile::GetInt(const CProfileSection& section, std::string_view key, int def) const {
    std::optional<std::string_view> value = FindValue(section, key);
    return value ? ToInt(*value) : def;
}
