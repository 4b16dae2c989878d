#include "SceneryArea.h"

#include "Flag.h"

#include <cstdio>

namespace {

// Write ends the Remote line with LF then CRLF, so a CR at the end of the
// value would be read back as part of the line end, and blanks before it
// trimmed: the value would not survive a Save. It is read without them.
std::string WithoutLineEndBytes(std::string value) {
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t'))
        value.pop_back();
    return value;
}

} // namespace

void CSceneryArea::SetNumber(int nNumber) {
    m_nNumber = nNumber;
    m_strSectionName = SectionNameOf(nNumber);
}

std::string CSceneryArea::SectionNameOf(int nNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "area.%03d", nNumber);
    return name;
}

void CSceneryArea::Read(const CProfile& profile, const CProfileSection& section) {
    m_strSectionName = section.name;
    m_strTitle = profile.GetString(section, "Title", "");
    m_nTextureId = profile.GetInt(section, "Texture_ID", -1);
    m_nLayer = profile.GetInt(section, "Layer", -1);
    ReadFlag(profile.GetString(section, "Active", "FALSE"), m_bActive);
    ReadFlag(profile.GetString(section, "Required", "FALSE"), m_bRequired);
    m_strLocal = profile.GetString(section, "Local", "");
    m_strRemote = WithoutLineEndBytes(profile.GetString(section, "Remote", ""));

    std::optional<std::string_view> textureId = profile.FindValue(section, "Texture_ID");
    m_strTextureIdText = textureId ? std::optional<std::string>(*textureId) : std::nullopt;
    m_aOtherKeys =
        KeepOtherKeys(profile, section,
                      {"Title", "Texture_ID", "Layer", "Active", "Required", "Local", "Remote"});
}

void CSceneryArea::Write(CProfileText& out) const {
    out.AddSection(SectionNameOf(m_nNumber));
    out.AddKey("Title", m_strTitle);
    if (m_strTextureIdText)
        out.AddKey("Texture_ID", *m_strTextureIdText);
    out.AddKey("Layer", std::to_string(m_nLayer));
    out.AddKey("Active", FlagText(m_bActive));
    out.AddKey("Required", FlagText(m_bRequired));
    out.AddKey("Local", m_strLocal);
    WriteKeptKeys(out, m_aOtherKeys);
    out.AddKey("Remote", m_strRemote + "\n");
}
