#include "AirportFindings.h"

#include "AreaChanges.h"

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
                            HexNumber(contents.nOffset) + ")");
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

    void CheckAirport(const CAirport& airport) {
        const std::vector<CDefinition>& definitions = airport.definitions;
        if (airport.bConflict) {
            const CDefinition& used = definitions[static_cast<std::size_t>(airport.nUsed)];
            std::string text = AirportName(airport) + " is used from here";
            for (std::size_t n = definitions.size(); n-- > 0;) {
                const CDefinition& other = definitions[n];
                if (static_cast<int>(n) != airport.nUsed && other.use != EAirportUse::kOff &&
                    !IsStock(other))
                    text += "; " + DefinitionName(other) +
                            (other.use == EAirportUse::kHidden ? " is hidden" : " merges into it");
            }
            Add(static_cast<std::size_t>(used.nSlot), FileOf(m_index, used).strName,
                "airport-conflict", ESeverity::kWarning, text, airport.strIdent);
        }
        if (airport.bMergesStock) {
            for (std::size_t n = 0; n < definitions.size(); ++n) {
                const CDefinition& stock = definitions[n];
                if (!IsStock(stock) || stock.use != EAirportUse::kMerges)
                    continue;
                std::string addOns;
                for (std::size_t m = n + 1; m < definitions.size(); ++m) {
                    if (definitions[m].use != EAirportUse::kOff && !IsStock(definitions[m]) &&
                        definitions[m].nSlot < stock.nSlot)
                        addOns += (addOns.empty() ? "" : ", ") + DefinitionName(definitions[m]);
                }
                if (!addOns.empty())
                    Add(static_cast<std::size_t>(stock.nSlot), FileOf(m_index, stock).strName,
                        "airport-merges-stock", ESeverity::kWarning,
                        "the stock " + AirportName(airport) + " merges with " + addOns,
                        airport.strIdent);
            }
        }
        if (airport.bTwiceInArea)
            CheckTwiceInArea(airport);
    }

private:
    void CheckTwiceInArea(const CAirport& airport) {
        const std::vector<CDefinition>& definitions = airport.definitions;
        for (std::size_t n = 0; n < definitions.size();) {
            std::size_t nEnd = n + 1;
            while (nEnd < definitions.size() && definitions[nEnd].nSlot == definitions[n].nSlot)
                ++nEnd;
            if (nEnd - n > 1 && definitions[n].use != EAirportUse::kOff) {
                std::string files;
                for (std::size_t m = n; m < nEnd; ++m)
                    files += (m == n ? "" : ", ") + FileOf(m_index, definitions[m]).strName;
                Add(static_cast<std::size_t>(definitions[n].nSlot),
                    FileOf(m_index, definitions[n]).strName, "airport-twice-in-area",
                    ESeverity::kWarning,
                    AirportName(airport) + " is defined " + std::to_string(nEnd - n) +
                        " times here (" + files + "): which one is used is not known",
                    airport.strIdent);
            }
            n = nEnd;
        }
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
