#include "IniWriter.h"

#include "IniText.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

void CIniWriter::AddSection(std::string_view name) {
    m_strText.append("[").append(name).append("]").append(kLineEnd);
}

void CIniWriter::AddKey(std::string_view key, std::string_view value) {
    m_strText.append(key).append("=").append(value).append(kLineEnd);
}

void CIniWriter::AddLine(std::string_view line) {
    m_strText.append(line).append(kLineEnd);
}

std::string SetIniKey(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const CIniText profile{std::string(text)};
    const std::string_view all = profile.GetText();
    // The text with what lies from nAt to nEnd replaced, built in one piece.
    auto replaced = [&](std::size_t nAt, std::size_t nEnd, std::string_view with) {
        std::string result;
        result.reserve(all.size() - (nEnd - nAt) + with.size());
        return result.append(all.substr(0, nAt)).append(with).append(all.substr(nEnd));
    };
    auto offset = [&](std::string_view part) { return std::size_t(part.data() - all.data()); };

    CIniWriter added;
    const CIniSection* pSection = profile.FindSection(section);
    if (pSection == nullptr) {
        if (!all.empty() && all.back() != '\n')
            added.AddLine("");
        added.AddSection(section);
        added.AddKey(key, value);
        return replaced(all.size(), all.size(), added.GetText());
    }
    if (std::optional<std::string_view> old = profile.FindValue(*pSection, key))
        return replaced(offset(*old), offset(*old) + old->size(), value);
    std::size_t nAt = offset(pSection->body) + pSection->body.size();
    if (all[nAt - 1] != '\n')
        added.AddLine("");
    added.AddKey(key, value);
    return replaced(nAt, nAt, added.GetText());
}
