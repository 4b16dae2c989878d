#include "SceneryHeader.h"

#include "TrueFalse.h"

void CSceneryHeader::Read(const CIniText& profile) {
    const CIniSection* pGeneral = profile.FindSection("General");
    if (pGeneral == nullptr)
        return;
    enum { kTitle, kDescription, kCleanOnExit, kKnown };
    static constexpr std::string_view kNames[kKnown] = {"Title", "Description", "Clean_on_Exit"};
    std::optional<std::string_view> values[kKnown];
    m_aOtherKeys = KeepOtherKeys(profile, *pGeneral, kNames, values);
    m_strTitle = StringValue(values[kTitle], kDefaultTitle);
    m_strDescription = StringValue(values[kDescription], kDefaultDescription);
    ReadFlag(StringValue(values[kCleanOnExit], "FALSE"), m_bCleanOnExit);
}

void CSceneryHeader::Write(CIniWriter& out) const {
    out.AddSection("General");
    out.AddKey("Title", m_strTitle);
    out.AddKey("Description", m_strDescription);
    WriteOtherKeys(out, m_aOtherKeys);
    // The simulator's own files end the section with an empty line.
    out.AddKey("Clean_on_Exit", std::string(FlagText(m_bCleanOnExit)) + "\n");
}

void CSceneryHeader::KeepOtherSection(const CIniText& profile, const CIniSection& section) {
    m_aOtherSections.push_back(
        {std::string(section.line), KeepOtherKeys(profile, section, {}, {})});
}

void CSceneryHeader::WriteOtherSections(CIniWriter& out) const {
    for (const CKeptSection& section : m_aOtherSections) {
        out.AddLine(section.strLine);
        WriteOtherKeys(out, section.aKeys);
        out.AddLine("");
    }
}
