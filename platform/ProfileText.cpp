#include "ProfileText.h"

#include "Profile.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

void CProfileText::AddSection(std::string_view name) {
    m_strText.append("[").append(name).append("]").append(kLineEnd);
}

void CProfileText::AddKey(std::string_view key, std::string_view value) {
    m_strText.append(key).append("=").append(value).append(kLineEnd);
}

void CProfileText::AddLine(std::string_view line) {
    m_strText.append(line).append(kLineEnd);
}

std::string SetProfileKey(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value) {
    CProfile profile{std::string(text)};
    const std::string_view all = profile.GetText();
    auto offset = [&](std::string_view part) { return std::size_t(part.data() - all.data()); };

    std::string result(text);
    const CProfileSection* pSection = profile.FindSection(section);
    if (pSection == nullptr) {
        CProfileText added;
        if (!result.empty() && result.back() != '\n')
            added.AddLine("");
        added.AddSection(section);
        added.AddKey(key, value);
        return result.append(added.GetText());
    }
    for (const CProfileKey& entry : profile.GetKeys(*pSection)) {
        if (EqualsNoCase(entry.key, key))
            return result.replace(offset(entry.value), entry.value.size(), value);
    }
    std::size_t nAt = offset(pSection->body) + pSection->body.size();
    CProfileText line;
    if (all[nAt - 1] != '\n')
        line.AddLine("");
    line.AddKey(key, value);
    return result.insert(nAt, line.GetText());
}
