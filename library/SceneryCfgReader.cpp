#include "SceneryCfg.h"

#include <cctype>
#include <string_view>
#include <utility>

namespace {

enum class ELineKind { kHeader, kArea, kOther };

struct CSectionLine {
    ELineKind kind = ELineKind::kOther;
    int nNumber = 0;
};

// The header is the section named "General" as any look-up finds it; any
// other line holding "area." is an area whose number is read the way atoi
// reads the text after the first "area.", as the simulator does.
CSectionLine ClassifySectionLine(const CIniSection& section) {
    if (EqualsNoCase(section.name, "General"))
        return {ELineKind::kHeader, 0};
    // The first "area." in any letter case ends at the first "." that
    // follows "area" so spelt.
    const std::string_view line = section.line;
    std::size_t nDot = line.find('.', 4);
    while (nDot != std::string_view::npos && !EqualsNoCase(line.substr(nDot - 4, 4), "area"))
        nDot = line.find('.', nDot + 1);
    if (nDot == std::string_view::npos)
        return {ELineKind::kOther, 0};
    std::string_view rest = line.substr(nDot + 1);
    while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front())))
        rest.remove_prefix(1);
    return {ELineKind::kArea, ParseLeadingInt(rest).value_or(0)};
}

struct CSectionCount {
    std::size_t nAreas = 0;
    bool bHeader = false;
};

CSectionCount CountSections(const CIniText& profile) {
    CSectionCount count;
    for (const CIniSection& section : profile.GetSections()) {
        const ELineKind kind = ClassifySectionLine(section).kind;
        count.nAreas += kind == ELineKind::kArea ? 1 : 0;
        count.bHeader = count.bHeader || kind == ELineKind::kHeader;
    }
    return count;
}

// Nothing but blanks and line ends, after a byte-order mark: read as an
// empty library, as a missing file is.
bool IsBlankText(std::string_view text) {
    return SkipUtf8Bom(text).find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace

CFileResult ParseSceneryCfg(std::string text, CSceneryHeader& header, CAreaArray& areas,
                            std::size_t nMaxAreas) {
    if (std::string reason = WhyNotIniText(text); !reason.empty())
        return CFileResult::Failed(reason);
    const CIniText profile(std::move(text));
    const auto [nAreas, bHeader] = CountSections(profile);
    // Some other file under the library's name: saving over it would lose
    // what it holds.
    if (nAreas == 0 && !bHeader && !IsBlankText(profile.GetText()))
        return CFileResult::Failed("holds no [General] or area section");
    if (nAreas > nMaxAreas)
        return CFileResult::Failed("It has more than " + std::to_string(nMaxAreas) +
                                   " area sections.");
    areas.Reserve(areas.GetSize() + static_cast<int>(nAreas));

    bool bHeaderRead = false;
    for (const CIniSection& section : profile.GetSections()) {
        CSectionLine line = ClassifySectionLine(section);
        switch (line.kind) {
        case ELineKind::kHeader:
            // Every header line reads the same first "General" section.
            if (!std::exchange(bHeaderRead, true))
                header.Read(profile);
            break;
        case ELineKind::kArea: {
            auto pArea = std::make_unique<CSceneryArea>();
            pArea->Read(profile, section, line.nNumber);
            areas.Add(std::move(pArea));
            break;
        }
        case ELineKind::kOther:
            header.KeepOtherSection(profile, section);
            break;
        }
    }
    return {};
}

CFileResult LoadSceneryCfg(const std::string& path, CSceneryHeader& header, CAreaArray& areas) {
    return LoadIniFile(
        path, [&](std::string text) { return ParseSceneryCfg(std::move(text), header, areas); });
}
