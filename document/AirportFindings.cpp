#include "AirportFindings.h"

#include "AreaChanges.h"

#include <algorithm>

namespace {

class CAirportChecker {
public:
    CAirportChecker(const CAirportIndex& index, std::vector<CFinding>& findings)
        : m_index(index), m_findings(findings) {}

    void CheckFiles() {
        for (std::size_t nSlot = 0; nSlot < m_index.files.size(); ++nSlot) {
            // The simulator does not load an inactive area's files: nothing
            // fails there until it is switched on.
            const ESeverity severity =
                m_index.areas[nSlot].bActive ? ESeverity::kError : ESeverity::kWarning;
            for (const CIndexedFile& file : m_index.files[nSlot]) {
                const CBglContents& contents = file.contents;
                if (contents.kind == EBglKind::kDamaged)
                    Add(nSlot, file.strName, "bgl-damaged", severity,
                        "cannot be read by the simulator: " + contents.strReason + " (at byte " +
                            HexNumber(contents.nOffset) + ")" + BeforeFault(contents));
                else if (contents.kind == EBglKind::kUnreadable)
                    Add(nSlot, file.strName, "bgl-unreadable", ESeverity::kWarning,
                        "cannot be opened or read: " + contents.strReason);
                if (contents.nLaterRecords > 0)
                    Add(nSlot, file.strName, "bgl-other-simulator", severity,
                        "holds " + std::to_string(contents.nLaterRecords) + " airport record" +
                            (contents.nLaterRecords == 1 ? "" : "s") +
                            " of a later simulator (id " + HexNumber(contents.nLaterId) +
                            " at byte " + HexNumber(contents.nLaterOffset) +
                            "), which this simulator cannot use");
            }
        }
    }

    // One finding per airport, area and file, whatever the number of copies
    // of the airport, found in one pass over its definitions or two.
    void CheckAirport(const CAirport& airport) {
        const std::vector<CDefinition>& definitions = airport.definitions;
        if (airport.bConflict) {
            const CDefinition& used = definitions[static_cast<std::size_t>(airport.nUsed)];
            std::vector<std::string> others;
            for (std::size_t n = definitions.size(); n-- > 0;) {
                const CDefinition& other = definitions[n];
                if (static_cast<int>(n) != airport.nUsed && other.use != EAirportUse::kOff &&
                    !IsStock(other))
                    others.push_back(DefinitionName(other) + (other.use == EAirportUse::kHidden
                                                                  ? " is hidden"
                                                                  : " merges into it"));
            }
            Add(static_cast<std::size_t>(used.nSlot), FileOf(m_index, used).strName,
                "airport-conflict", ESeverity::kWarning,
                AirportName(airport) + " is used from here; " + Listed(others, "; "),
                airport.strIdent);
        }
        if (airport.bMergesStock)
            CheckMergesStock(airport);
        if (airport.bTwiceInArea)
            CheckTwiceInArea(airport);
    }

private:
    // From the top down: the add-on areas that are on, each once, as they
    // come; each stock file's merging copies, with those above them.
    void CheckMergesStock(const CAirport& airport) {
        const std::vector<CDefinition>& definitions = airport.definitions;
        std::vector<std::string> addOns;
        int nLastSlot = -1;
        for (std::size_t nEnd = definitions.size(); nEnd > 0;) {
            const CDefinition& last = definitions[nEnd - 1];
            std::size_t nStart = nEnd - 1;
            while (nStart > 0 && definitions[nStart - 1].nSlot == last.nSlot &&
                   definitions[nStart - 1].nFile == last.nFile)
                --nStart;
            if (!IsStock(last)) {
                if (last.use != EAirportUse::kOff && last.nSlot != nLastSlot)
                    addOns.push_back(DefinitionName(last));
                nLastSlot = last.nSlot;
            } else if (!addOns.empty()) {
                const std::size_t nMerging = static_cast<std::size_t>(std::count_if(
                    definitions.begin() + static_cast<std::ptrdiff_t>(nStart),
                    definitions.begin() + static_cast<std::ptrdiff_t>(nEnd),
                    [](const CDefinition& d) { return d.use == EAirportUse::kMerges; }));
                if (nMerging > 0)
                    Add(static_cast<std::size_t>(last.nSlot), FileOf(m_index, last).strName,
                        "airport-merges-stock", ESeverity::kWarning,
                        "the stock " + AirportName(airport) + Copies(nMerging) + " merges with " +
                            Listed(addOns, ", "),
                        airport.strIdent);
            }
            nEnd = nStart;
        }
    }

    void CheckTwiceInArea(const CAirport& airport) {
        const std::vector<CDefinition>& definitions = airport.definitions;
        for (std::size_t n = 0; n < definitions.size();) {
            std::size_t nEnd = n + 1;
            std::vector<std::string> files = {FileOf(m_index, definitions[n]).strName};
            for (; nEnd < definitions.size() && definitions[nEnd].nSlot == definitions[n].nSlot;
                 ++nEnd) {
                if (definitions[nEnd].nFile != definitions[nEnd - 1].nFile)
                    files.push_back(FileOf(m_index, definitions[nEnd]).strName);
            }
            if (nEnd - n > 1 && definitions[n].use != EAirportUse::kOff)
                Add(static_cast<std::size_t>(definitions[n].nSlot),
                    FileOf(m_index, definitions[n]).strName, "airport-twice-in-area",
                    ESeverity::kWarning,
                    AirportName(airport) + " is defined " + std::to_string(nEnd - n) +
                        " times here (" + Listed(files, ", ") + "): which one is used is not known",
                    airport.strIdent);
            n = nEnd;
        }
    }

    // What a damaged file would bring once mended: "; before that it holds
    // KSEA, KBFI and 3 more airports"; nothing when it holds none.
    static std::string BeforeFault(const CBglContents& contents) {
        if (contents.nBeforeFault == 0)
            return {};
        std::string text = "; before that it holds ";
        for (std::size_t n = 0; n < contents.aBeforeFault.size(); ++n)
            text.append(n == 0 ? ""
                        : n + 1 == contents.aBeforeFault.size() &&
                                contents.nBeforeFault == contents.aBeforeFault.size()
                            ? " and "
                            : ", ")
                .append(contents.aBeforeFault[n]);
        if (contents.nBeforeFault > contents.aBeforeFault.size())
            text.append(" and ")
                .append(std::to_string(contents.nBeforeFault - contents.aBeforeFault.size()))
                .append(" more");
        return text + (contents.nBeforeFault == 1 ? " airport" : " airports");
    }

    // The first few of the names, then how many more.
    static std::string Listed(const std::vector<std::string>& names, const char* pszBetween) {
        constexpr std::size_t kShown = 3;
        std::string text;
        for (std::size_t n = 0; n < std::min(names.size(), kShown); ++n)
            text.append(n == 0 ? "" : pszBetween).append(names[n]);
        if (names.size() > kShown)
            text.append(" and ").append(std::to_string(names.size() - kShown)).append(" more");
        return text;
    }

    static std::string Copies(std::size_t nCopies) {
        return nCopies == 1 ? "" : " (" + std::to_string(nCopies) + " copies)";
    }

    bool IsStock(const CDefinition& definition) const {
        return m_index.areas[static_cast<std::size_t>(definition.nSlot)].bStock;
    }

    static std::string AirportName(const CAirport& airport) {
        return airport.strIdent + (airport.strName.empty() ? "" : " \"" + airport.strName + "\"");
    }

    // "#N": the area, which the list names; twk airports tells its file.
    static std::string DefinitionName(const CDefinition& definition) {
        return PositionName(definition.nSlot + 1);
    }

    void Add(std::size_t nSlot, const std::string& file, const char* pszCode, ESeverity severity,
             std::string text, std::string airport = {}) {
        const CIndexArea& area = m_index.areas[nSlot];
        m_findings.push_back({pszCode,
                              severity,
                              static_cast<int>(nSlot) + 1,
                              area.strTitle,
                              area.strLocal,
                              file,
                              std::move(text),
                              {},
                              std::move(airport)});
    }

    const CAirportIndex& m_index;
    std::vector<CFinding>& m_findings;
};

} // namespace

void AddAirportFindings(const CAirportIndex& index, const std::vector<CAirport>& airports,
                        std::vector<CFinding>& findings) {
    CAirportChecker checker(index, findings);
    checker.CheckFiles();
    for (const CAirport& airport : airports)
        checker.CheckAirport(airport);
}
