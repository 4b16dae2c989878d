#include "SceneryArea.h"

#include "TrueFalse.h"

#include <cstdlib>

namespace {

// Write ends the Remote line with LF then CRLF, so a CR at the end of the
// value would be read back as part of the line end, and blanks before it
// trimmed: the value would not survive a Save. It is read without them.
std::string_view WithoutLineEndBytes(std::string_view value) {
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    return value;
}

} // namespace

void CSceneryArea::SetNumber(int nNumber) {
    m_nNumber = nNumber;
    m_strSectionName = SectionNameOf(nNumber);
}

// As "area.%03d" prints it: at least three characters, the sign included.
std::string CSceneryArea::SectionNameOf(int nNumber) {
    std::string digits = std::to_string(std::llabs(static_cast<long long>(nNumber)));
    const std::size_t nWidth = nNumber < 0 ? 2 : 3;
    if (digits.size() < nWidth)
        digits.insert(0, nWidth - digits.size(), '0');
    return (nNumber < 0 ? "area.-" : "area.") + digits;
}

void CSceneryArea::Read(const CIniText& profile, const CIniSection& section, int nNumber) {
    enum { kTitle, kTextureId, kLayer, kActive, kRequired, kLocal, kRemote, kKnown };
    static constexpr std::string_view kNames[kKnown] = {"Title",    "Texture_ID", "Layer", "Active",
                                                        "Required", "Local",      "Remote"};
    std::optional<std::string_view> values[kKnown];
    m_aOtherKeys = KeepOtherKeys(profile, section, kNames, values);
    m_nNumber = nNumber;
    m_strSectionName = section.name;
    m_strTitle = StringValue(values[kTitle], "");
    m_nTextureId = IntValue(values[kTextureId], -1);
    m_nLayer = IntValue(values[kLayer], -1);
    ReadFlag(StringValue(values[kActive], "FALSE"), m_bActive);
    ReadFlag(StringValue(values[kRequired], "FALSE"), m_bRequired);
    m_strLocal = StringValue(values[kLocal], "");
    m_strRemote = WithoutLineEndBytes(StringValue(values[kRemote], ""));
    m_strTextureIdText =
        values[kTextureId] ? std::optional<std::string>(*values[kTextureId]) : std::nullopt;
}

void CSceneryArea::Write(CIniWriter& out) const {
    out.AddSection(SectionNameOf(m_nNumber));
    out.AddKey("Title", m_strTitle);
    if (m_strTextureIdText)
        out.AddKey("Texture_ID", *m_strTextureIdText);
    out.AddKey("Layer", std::to_string(m_nLayer));
    out.AddKey("Active", FlagText(m_bActive));
    out.AddKey("Required", FlagText(m_bRequired));
    out.AddKey("Local", m_strLocal);
    WriteOtherKeys(out, m_aOtherKeys);
    out.AddKey("Remote", m_strRemote + "\n");
}
