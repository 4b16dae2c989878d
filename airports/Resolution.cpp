#include "Resolution.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <tuple>

namespace {

// A change by the index's slots, before it is told by the library's areas.
struct CPlan {
    std::vector<int> on, off;
    std::vector<int> moved; // top first
    int nNextTo = -1;
    bool bBelow = false;
};

std::string Quoted(const std::string& text) {
    return std::string("\"").append(text).append("\"");
}

// "A", "A and B", "A, B and C".
std::string Listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t n = 0; n < items.size(); ++n)
        text.append(n == 0 ? "" : n + 1 == items.size() ? " and " : ", ").append(items[n]);
    return text;
}

// Whether the two are the same definitions with the same uses, in any order.
bool SameUses(const CAirport& a, const CAirport& b) {
    auto sorted = [](std::vector<CDefinition> definitions) {
        std::sort(definitions.begin(), definitions.end(),
                  [](const CDefinition& x, const CDefinition& y) {
                      return std::tie(x.nSlot, x.nFile, x.nRecord) <
                             std::tie(y.nSlot, y.nFile, y.nRecord);
                  });
        return definitions;
    };
    const std::vector<CDefinition> x = sorted(a.definitions), y = sorted(b.definitions);
    return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                      [](const CDefinition& p, const CDefinition& q) {
                          return p.nSlot == q.nSlot && p.nFile == q.nFile &&
                                 p.nRecord == q.nRecord && p.use == q.use;
                      });
}

CDefinition UsedOf(const CAirport& airport) {
    if (airport.nUsed < 0)
        return {-1, -1, -1, EAirportUse::kOff};
    return airport.definitions[static_cast<std::size_t>(airport.nUsed)];
}

class CResolver {
public:
    CResolver(const CAirportIndex& index, const std::vector<CAirport>& airports,
              std::size_t nAirport, int nSlot)
        : m_index(index), m_airports(airports), m_airport(airports[nAirport]), m_nAirport(nAirport),
          m_nSlot(nSlot) {
        for (const CDefinition& definition : m_airport.definitions) {
            if (definition.nSlot == nSlot)
                ++m_nChosen;
            else if (Area(definition.nSlot).bActive &&
                     std::find(m_others.begin(), m_others.end(), definition.nSlot) ==
                         m_others.end())
                m_others.push_back(definition.nSlot);
        }
        std::sort(m_others.begin(), m_others.end());
    }

    CResolution Resolve() const {
        CResolution resolution;
        if (m_nChosen == 0) {
            resolution.strRefused = WhyNotChosen();
            return resolution;
        }
        const std::string ident = m_airport.strIdent;
        if (m_nChosen > 1)
            resolution.notes.push_back(Title(m_nSlot) + " defines " + ident +
                                       " twice: which of its two definitions the simulator "
                                       "takes is not known.");
        if (m_airport.nUsed >= 0 && UsedOf(m_airport).nSlot == m_nSlot)
            resolution.notes.push_back(Title(m_nSlot) + " is the one the simulator uses already.");
        std::array<bool, 3> abAddOnsMerge{};
        for (EResolution kind :
             {EResolution::kMoveUse, EResolution::kMoveOthers, EResolution::kOthersOff}) {
            const std::size_t n = static_cast<std::size_t>(kind);
            resolution.ways[n] = Way(kind, abAddOnsMerge[n]);
        }
        CResolutionWay& moveUse = resolution.ways[0];
        CResolutionWay& moveOthers = resolution.ways[1];
        CResolutionWay& othersOff = resolution.ways[2];
        const bool bOthersFirst = !moveOthers.strImpossible.empty()
                                      ? false
                                      : !moveUse.strImpossible.empty() ||
                                            moveOthers.effects.size() < moveUse.effects.size();
        resolution.proposed = bOthersFirst ? EResolution::kMoveOthers : EResolution::kMoveUse;
        CResolutionWay& proposed = bOthersFirst ? moveOthers : moveUse;
        CResolutionWay& alternative = bOthersFirst ? moveUse : moveOthers;
        proposed.bOffered = proposed.strImpossible.empty();
        // With no other above it, both moves are no move.
        alternative.bOffered = alternative.strImpossible.empty() && !proposed.change.moved.empty();
        othersOff.bOffered =
            othersOff.strImpossible.empty() && !othersOff.change.switchedOff.empty() &&
            (!proposed.bOffered || abAddOnsMerge[static_cast<std::size_t>(resolution.proposed)]);
        resolution.bNothingToChange =
            proposed.bOffered && proposed.change.IsEmpty() && !othersOff.bOffered;
        return resolution;
    }

private:
    const CIndexArea& Area(int nSlot) const {
        return m_index.areas[static_cast<std::size_t>(nSlot)];
    }
    std::string Title(int nSlot) const { return Quoted(Area(nSlot).strTitle); }

    // Why the area has no definition to choose.
    std::string WhyNotChosen() const {
        for (const CIndexedFile& file : m_index.files[static_cast<std::size_t>(m_nSlot)]) {
            const std::vector<std::string>& before = file.contents.aBeforeFault;
            if (file.contents.kind == EBglKind::kDamaged &&
                std::find(before.begin(), before.end(), m_airport.strIdent) != before.end())
                return m_airport.strIdent + " of " + Title(m_nSlot) + " is in a damaged file (" +
                       file.strName + "), so it cannot be chosen";
        }
        return Title(m_nSlot) + " does not define " + m_airport.strIdent;
    }

    // Why a resolution may not move the area, or empty.
    std::string Fixed(int nSlot) const {
        if (Area(nSlot).bRequired)
            return "it would move " + Title(nSlot) + ", which the simulator requires";
        if (Area(nSlot).bStock)
            return "it would move " + Title(nSlot) + ", one of the simulator's own areas";
        return {};
    }

    CResolutionWay Way(EResolution kind, bool& bAddOnsMerge) const {
        CResolutionWay way;
        CPlan plan;
        if (!Area(m_nSlot).bActive)
            plan.on.push_back(m_nSlot);
        std::vector<int> above;
        for (int nOther : m_others) {
            const CIndexArea& area = Area(nOther);
            if (kind == EResolution::kOthersOff && !area.bStock && !area.bRequired)
                plan.off.push_back(nOther);
            else if (nOther < m_nSlot)
                above.push_back(nOther);
        }
        if (!above.empty()) {
            if (kind == EResolution::kMoveOthers) {
                for (int nOther : above) {
                    if (way.strImpossible = Fixed(nOther); !way.strImpossible.empty())
                        return way;
                }
                plan.moved = above;
                plan.nNextTo = m_nSlot;
                plan.bBelow = true;
            } else {
                if (way.strImpossible = Fixed(m_nSlot); !way.strImpossible.empty())
                    return way;
                plan.moved = {m_nSlot};
                plan.nNextTo = above.front();
            }
        }
        Describe(plan, way);
        const CAirportLayout layout = LayoutOf(plan);
        const CAirport after = Rearranged(m_index, m_airport, layout);
        std::vector<std::string> addOns, stock;
        // Top row first: load order reversed.
        for (auto it = after.definitions.rbegin(); it != after.definitions.rend(); ++it) {
            const CDefinition& definition = *it;
            if (definition.use == EAirportUse::kMerges && definition.nSlot != m_nSlot)
                (Area(definition.nSlot).bStock ? stock : addOns).push_back(Title(definition.nSlot));
        }
        way.bStillMerges = !addOns.empty() || !stock.empty();
        bAddOnsMerge = !addOns.empty();
        if (way.bStillMerges) {
            std::vector<std::string> all = addOns;
            all.insert(all.end(), stock.begin(), stock.end());
            way.notes.push_back(
                m_airport.strIdent + " of " + Listed(all) +
                (all.size() == 1 ? " merges" : " merge") +
                " into it all the same: the chosen definition does not delete the airport loaded "
                "before it.");
            if (addOns.empty())
                way.notes.push_back("Only stock definitions would merge: switching add-ons off "
                                    "cannot help.");
        }
        way.effects = EffectsOf(plan, layout);
        return way;
    }

    // The plan in the library's areas and in words.
    void Describe(const CPlan& plan, CResolutionWay& way) const {
        auto areasOf = [&](const std::vector<int>& slots) {
            std::vector<int> areas;
            for (int nSlot : slots)
                areas.push_back(Area(nSlot).nArea);
            return areas;
        };
        way.change = {areasOf(plan.on), areasOf(plan.off), areasOf(plan.moved),
                      plan.nNextTo >= 0 ? Area(plan.nNextTo).nArea : -1, plan.bBelow};
        for (int nSlot : plan.on)
            way.lines.push_back("Switch " + Title(nSlot) + " on");
        for (int nSlot : plan.off) {
            const CAreaSwitchedOff& off = way.switchedOff.emplace_back(SwitchedOff(nSlot));
            way.lines.push_back("Switch " + Title(nSlot) + " off (" + std::to_string(off.nFiles) +
                                (off.nFiles == 1 ? " scenery file, " : " scenery files, ") +
                                std::to_string(off.nOtherAirports) +
                                (off.nOtherAirports == 1 ? " other airport)" : " other airports)"));
        }
        if (!plan.moved.empty()) {
            std::vector<std::string> titles;
            for (int nSlot : plan.moved)
                titles.push_back(Title(nSlot));
            way.lines.push_back("Move " + Listed(titles) + (plan.bBelow ? " below " : " above ") +
                                Title(plan.nNextTo));
        }
    }

    CAreaSwitchedOff SwitchedOff(int nSlot) const {
        const std::vector<CIndexedFile>& files = m_index.files[static_cast<std::size_t>(nSlot)];
        std::vector<std::string_view> idents;
        for (const CIndexedFile& file : files) {
            for (const CAirportRecord& record : file.contents.airports) {
                if (record.strIdent != m_airport.strIdent)
                    idents.push_back(record.strIdent);
            }
        }
        std::sort(idents.begin(), idents.end());
        const auto nDistinct =
            static_cast<std::size_t>(std::unique(idents.begin(), idents.end()) - idents.begin());
        return {nSlot, files.size(), nDistinct};
    }

    CAirportLayout LayoutOf(const CPlan& plan) const {
        const std::size_t nSlots = m_index.areas.size();
        CAirportLayout layout{std::vector<int>(nSlots), std::vector<char>(nSlots)};
        for (std::size_t n = 0; n < nSlots; ++n)
            layout.aActive[n] = m_index.areas[n].bActive;
        for (int nSlot : plan.on)
            layout.aActive[static_cast<std::size_t>(nSlot)] = 1;
        for (int nSlot : plan.off)
            layout.aActive[static_cast<std::size_t>(nSlot)] = 0;
        std::vector<int> order(nSlots);
        std::iota(order.begin(), order.end(), 0);
        if (!plan.moved.empty()) {
            std::erase_if(order, [&](int nSlot) {
                return std::find(plan.moved.begin(), plan.moved.end(), nSlot) != plan.moved.end();
            });
            auto at = std::find(order.begin(), order.end(), plan.nNextTo) + (plan.bBelow ? 1 : 0);
            order.insert(at, plan.moved.begin(), plan.moved.end());
        }
        for (std::size_t nRow = 0; nRow < nSlots; ++nRow)
            layout.aRow[static_cast<std::size_t>(order[nRow])] = static_cast<int>(nRow);
        return layout;
    }

    // Every other airport whose use the plan changes. Only those defined in
    // the areas it moves or switches can change.
    std::vector<CAirportEffect> EffectsOf(const CPlan& plan, const CAirportLayout& layout) const {
        std::vector<char> seen(m_airports.size());
        std::vector<std::size_t> touched;
        for (const std::vector<int>* pSlots : {&plan.on, &plan.off, &plan.moved}) {
            for (int nSlot : *pSlots) {
                for (const CIndexedFile& file : m_index.files[static_cast<std::size_t>(nSlot)]) {
                    for (const CAirportRecord& record : file.contents.airports) {
                        const std::size_t nAirport = FindAirport(m_airports, record.strIdent);
                        if (nAirport < m_airports.size() && nAirport != m_nAirport &&
                            !seen[nAirport]) {
                            seen[nAirport] = 1;
                            touched.push_back(nAirport);
                        }
                    }
                }
            }
        }
        std::sort(touched.begin(), touched.end());
        std::vector<CAirportEffect> effects;
        for (std::size_t nAirport : touched) {
            const CAirport& before = m_airports[nAirport];
            const CAirport after = Rearranged(m_index, before, layout);
            if (!SameUses(before, after))
                effects.push_back({nAirport, UsedOf(before), UsedOf(after)});
        }
        return effects;
    }

    const CAirportIndex& m_index;
    const std::vector<CAirport>& m_airports;
    const CAirport& m_airport;
    std::size_t m_nAirport;
    int m_nSlot;
    int m_nChosen = 0;         // the chosen area's definitions of the airport
    std::vector<int> m_others; // the other active areas defining it, top first
};

} // namespace

CResolution ResolveAirport(const CAirportIndex& index, const std::vector<CAirport>& airports,
                           std::size_t nAirport, int nSlot) {
    return CResolver(index, airports, nAirport, nSlot).Resolve();
}

std::size_t FindAirport(const std::vector<CAirport>& airports, const std::string& ident) {
    auto it = std::lower_bound(
        airports.begin(), airports.end(), ident,
        [](const CAirport& airport, const std::string& key) { return airport.strIdent < key; });
    return it != airports.end() && it->strIdent == ident
               ? static_cast<std::size_t>(it - airports.begin())
               : airports.size();
}
