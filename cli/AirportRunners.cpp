#include "AirportRunners.h"

#include "AirportFindings.h"
#include "Airports.h"

#include <algorithm>
#include <new>

namespace {

// An ident as the index holds it: the letters in capitals.
std::string IdentOf(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

class CAirportReport {
public:
    CAirportReport(const CSession& session, const CAirportIndex& index, bool bJson)
        : m_session(session), m_index(index), m_bJson(bJson) {}

    void Add(const std::string& ident, const CAirport* pAirport) {
        if (m_bJson) {
            m_elements.push_back(Json(ident, pAirport));
        } else if (pAirport == nullptr) {
            PrintLine(ident + ": no area defines this airport");
        } else {
            std::string heading = pAirport->strIdent;
            if (!pAirport->strName.empty())
                heading.append(" ").append(Quoted(Shown(pAirport->strName)));
            PrintFitted(heading);
            for (const CDefinition& definition : pAirport->definitions) {
                // The areas' names line up after the longest word, "merges".
                std::string line = std::string("  ") + AirportUseName(definition.use);
                line.resize(10, ' ');
                PrintFitted(line + AreaText(definition) + ": " +
                            Shown(FileOf(m_index, definition).strName));
            }
        }
    }

    void Finish(bool bNoneFound) const {
        if (m_bJson)
            PrintLine(JsonArray(m_elements));
        else if (bNoneFound)
            PrintLine("No airport conflicts found.");
    }

private:
    std::string Shown(const std::string& text) const { return m_session.Shown(text); }
    std::string Utf8(const std::string& text) const {
        return Utf8Text(m_session.Sim().codePage, text);
    }
    const CIndexArea& AreaOf(const CDefinition& definition) const {
        return m_index.areas[static_cast<std::size_t>(definition.nSlot)];
    }
    std::string AreaText(const CDefinition& definition) const {
        return m_session.AreaText(AreaOf(definition).nArea, definition.nSlot);
    }

    std::string Json(const std::string& ident, const CAirport* pAirport) const {
        std::vector<std::string> definitions;
        if (pAirport != nullptr) {
            for (const CDefinition& definition : pAirport->definitions) {
                const CIndexArea& area = AreaOf(definition);
                definitions.push_back(
                    JsonObject({{"position", std::to_string(definition.nSlot + 1)},
                                {"title", JsonString(Utf8(area.strTitle))},
                                {"local", JsonString(Utf8(area.strLocal))},
                                {"file", JsonString(Utf8(FileOf(m_index, definition).strName))},
                                {"active", area.bActive ? "true" : "false"},
                                {"use", JsonString(AirportUseName(definition.use))}}));
            }
        }
        const bool bUsed = pAirport != nullptr && pAirport->nUsed >= 0;
        return JsonObject(
            {{"ident", JsonString(Utf8(pAirport != nullptr ? pAirport->strIdent : ident))},
             {"name", JsonStringOrNull(pAirport != nullptr ? Utf8(pAirport->strName) : "",
                                       pAirport != nullptr)},
             {"used",
              JsonNumberOrNull(
                  bUsed ? pAirport->definitions[static_cast<std::size_t>(pAirport->nUsed)].nSlot + 1
                        : 0,
                  bUsed)},
             {"definitions", JsonInlineArray(definitions)}});
    }

    const CSession& m_session;
    const CAirportIndex& m_index;
    bool m_bJson;
    std::vector<std::string> m_elements;
};

int ReportAirports(CCommandRun& run) {
    const CAirportIndex index = run.session.IndexAirports();
    const std::vector<CAirport> airports = AirportsOf(index);
    CAirportReport report(run.session, index, run.args.bJson);
    bool bNoneFound = false;
    if (!run.operands.empty()) {
        for (const std::string& operand : run.operands) {
            const std::string ident = IdentOf(operand);
            auto it = std::lower_bound(airports.begin(), airports.end(), ident,
                                       [](const CAirport& airport, const std::string& key) {
                                           return airport.strIdent < key;
                                       });
            report.Add(ident, it != airports.end() && it->strIdent == ident ? &*it : nullptr);
        }
    } else {
        const bool bAll = run.args.options.contains("all");
        bNoneFound = true;
        for (const CAirport& airport : airports) {
            if (bAll || airport.HasFinding()) {
                report.Add(airport.strIdent, &airport);
                bNoneFound = false;
            }
        }
        bNoneFound = bNoneFound && !bAll;
    }
    report.Finish(bNoneFound);
    std::vector<CFinding> findings;
    AddAirportFindings(index, {}, findings);
    return HasErrors(findings) ? kExitFindings : kExitDone;
}

} // namespace

int RunAirports(CCommandRun& run) {
    return RunIndexing([&] { return ReportAirports(run); });
}

int RunIndexing(const std::function<int()>& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        PrintError("not enough memory to index the airports");
        return kExitFile;
    }
}
