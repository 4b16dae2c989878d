#include "AirportRunners.h"

#include "AirportFindings.h"
#include "Airports.h"
#include "Matching.h"
#include "Resolution.h"

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
            const std::size_t nAirport = FindAirport(airports, ident);
            report.Add(ident, nAirport < airports.size() ? &airports[nAirport] : nullptr);
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

constexpr const char* kWayNames[] = {"move-use", "move-others", "others-off"};

// The way the options ask for, or the proposed one; why the options are
// wrong, or empty.
std::string WayAsked(const CCommandRun& run, const CResolution& resolution, EResolution& way) {
    const auto& options = run.args.options;
    const auto move = options.find("move");
    const bool bOthersOff = options.contains("others-off");
    if (move != options.end() && bOthersOff)
        return "airports resolve: give --move or --others-off, not both";
    way = resolution.proposed;
    if (bOthersOff) {
        way = EResolution::kOthersOff;
    } else if (move != options.end()) {
        if (move->second != "use" && move->second != "others")
            return "--move " + move->second + ": give --move use or --move others";
        way = move->second == "use" ? EResolution::kMoveUse : EResolution::kMoveOthers;
    }
    return {};
}

class CResolutionReport {
public:
    CResolutionReport(const CSession& session, const CAirportIndex& index,
                      const std::vector<CAirport>& airports)
        : m_session(session), m_index(index), m_airports(airports) {}

    void Print(const CAirport& airport, int nSlot, const CResolution& resolution,
               const CResolutionWay& way) const {
        std::string heading = airport.strIdent;
        if (!airport.strName.empty())
            heading.append(" ").append(Quoted(Shown(airport.strName)));
        PrintFitted(
            heading + ": use " +
            m_session.AreaText(m_index.areas[static_cast<std::size_t>(nSlot)].nArea, nSlot));
        for (const std::vector<std::string>* pLines : {&resolution.notes, &way.lines, &way.notes})
            for (const std::string& line : *pLines)
                PrintFitted("  " + Shown(line));
        PrintLine("Other airports it changes:" + std::string(way.effects.empty() ? " none" : ""));
        for (const CAirportEffect& effect : way.effects) {
            const CAirport& other = m_airports[effect.nAirport];
            PrintFitted("  " + other.strIdent + " " + Quoted(Shown(other.strName)) + ": now " +
                        Used(effect.before) + ", then " + Used(effect.after));
        }
    }

    std::string Json(const CAirport& airport, int nSlot, EResolution kind,
                     const CResolution& resolution, const CResolutionWay& way,
                     std::vector<std::string> changes) const {
        std::vector<std::string> effects, lines, notes;
        for (const CAirportEffect& effect : way.effects) {
            const CAirport& other = m_airports[effect.nAirport];
            effects.push_back(JsonObject({{"ident", JsonString(Utf8(other.strIdent))},
                                          {"name", JsonString(Utf8(other.strName))},
                                          {"before", UsedJson(effect.before)},
                                          {"after", UsedJson(effect.after)}}));
        }
        for (const std::string& line : way.lines)
            lines.push_back(JsonString(Utf8(line)));
        for (const std::vector<std::string>* pNotes : {&resolution.notes, &way.notes})
            for (const std::string& note : *pNotes)
                notes.push_back(JsonString(Utf8(note)));
        return JsonObject(
            {{"ident", JsonString(Utf8(airport.strIdent))},
             {"name", JsonString(Utf8(airport.strName))},
             {"use",
              m_session.AreaJson(m_index.areas[static_cast<std::size_t>(nSlot)].nArea, nSlot)},
             {"way", JsonString(kWayNames[static_cast<std::size_t>(kind)])},
             {"steps", JsonInlineArray(lines)},
             {"notes", JsonInlineArray(notes)},
             {"airports", JsonInlineArray(effects)},
             {"changes", JsonInlineArray(std::move(changes))}});
    }

private:
    std::string Shown(const std::string& text) const { return m_session.Shown(text); }
    std::string Utf8(const std::string& text) const {
        return Utf8Text(m_session.Sim().codePage, text);
    }
    // The area and file of a definition used, or none.
    std::string Used(const CDefinition& definition) const {
        if (definition.nSlot < 0)
            return "none";
        return Quoted(Shown(m_index.areas[static_cast<std::size_t>(definition.nSlot)].strTitle)) +
               " (" + Shown(FileOf(m_index, definition).strName) + ")";
    }
    std::string UsedJson(const CDefinition& definition) const {
        if (definition.nSlot < 0)
            return "null";
        const CIndexArea& area = m_index.areas[static_cast<std::size_t>(definition.nSlot)];
        return JsonObject({{"title", JsonString(Utf8(area.strTitle))},
                           {"local", JsonString(Utf8(area.strLocal))},
                           {"file", JsonString(Utf8(FileOf(m_index, definition).strName))}});
    }

    const CSession& m_session;
    const CAirportIndex& m_index;
    const std::vector<CAirport>& m_airports;
};

int ResolveAirport(CCommandRun& run) {
    CSession& session = run.session;
    const auto use = run.args.options.find("use");
    if (use == run.args.options.end())
        return UsageError(
            "airports resolve: give --use AREA, the area whose airport is to be used");
    std::size_t nRow = 0;
    if (std::string error = MatchArea(session, use->second, nRow); !error.empty())
        return UsageError(error);
    const CAirportIndex index = session.IndexAirports();
    const std::vector<CAirport> airports = AirportsOf(index);
    const std::string ident = IdentOf(run.operands[0]);
    const std::size_t nAirport = FindAirport(airports, ident);
    if (nAirport == airports.size())
        return UsageError(ident + ": no area defines this airport");
    const int nSlot = static_cast<int>(nRow);
    const CResolution resolution = ::ResolveAirport(index, airports, nAirport, nSlot);
    if (!resolution.strRefused.empty())
        return UsageError(session.Shown(resolution.strRefused));
    EResolution kind = resolution.proposed;
    if (std::string error = WayAsked(run, resolution, kind); !error.empty())
        return UsageError(error);
    const CResolutionWay& way = resolution.Way(kind);
    if (!way.strImpossible.empty())
        return UsageError(ident + ": " + kWayNames[static_cast<std::size_t>(kind)] +
                          " cannot be taken: " + session.Shown(way.strImpossible));
    const bool bAsked =
        run.args.options.contains("move") || run.args.options.contains("others-off");
    if (!bAsked && resolution.Way(EResolution::kOthersOff).bOffered)
        return UsageError(ident + ": the others would still merge into it, so nothing changed; "
                                  "--others-off switches them off, --move use or --move others "
                                  "moves all the same");
    const CResolutionReport report(session, index, airports);
    const CChanges changes = session.Doc().Rearrange(way.change);
    if (!run.args.bJson) {
        report.Print(airports[nAirport], nSlot, resolution, way);
        return session.Finish(changes, run.args.bDryRun, false);
    }
    if (int nExit = session.Commit(changes, run.args.bDryRun); nExit != kExitDone)
        return nExit;
    PrintLine(report.Json(airports[nAirport], nSlot, kind, resolution, way,
                          session.ChangesJson(changes, run.args.bDryRun)));
    return kExitDone;
}

} // namespace

int RunAirportsResolve(CCommandRun& run) {
    return RunIndexing([&] { return ResolveAirport(run); });
}

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
