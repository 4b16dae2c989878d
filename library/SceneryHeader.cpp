#include "SceneryHeader.h"

#include "Flag.h"

void CSceneryHeader::Read(const CProfile& profile) {
    const CProfileSection* pGeneral = profile.FindSection("General");
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

void CSceneryHeader::Write(CProfileText& out) const {
    out.AddSection("General");
    out.AddKey("Title", m_strTitle);
    out.AddKey("Description", m_strDescription);
    WriteKeptKeys(out, m_aOtherKeys);
    // The simulator's own files end the section with an empty line.
    out.AddKey("Clean_on_Exit", std::string(FlagText(m_bCleanOnExit)) + "\n");
}

void CSceneryHeader::KeepOtherSection(const CProfile& profile, const CProfileSection& section) {
    m_aOtherSections.push_back(
        {std::string(section.line), KeepOtherKeys(profile, section, {}, {})});
}

void CSceneryHeader::WriteOtherSections(CProfileText& out) const {
    for (const CKeptSection& section : m_aOtherSections) {
        out.AddLine(section.strLine);
        WriteKeptKeys(out, section.aKeys);
        out.AddLine("");
    }
}
