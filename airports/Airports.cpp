#include "Airports.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {

bool IsActive(const CAirportIndex& index, const CAirportLayout* pLayout,
              const CDefinition& definition) {
    const std::size_t nSlot = static_cast<std::size_t>(definition.nSlot);
    return pLayout != nullptr ? pLayout->aActive[nSlot] != 0 : index.areas[nSlot].bActive;
}

bool IsStock(const CAirportIndex& index, const CDefinition& definition) {
    return index.areas[static_cast<std::size_t>(definition.nSlot)].bStock;
}

// Decides each definition's use, from the top of the load order down, the
// rows as the index holds them or as the layout puts them.
void Resolve(const CAirportIndex& index, const CAirportLayout* pLayout, CAirport& airport) {
    std::vector<CDefinition>& definitions = airport.definitions;
    bool bHiddenFromAbove = false; // by an active record of a higher area
    bool bAddOnAbove = false;
    bool bHidesInSlot = false, bAddOnInSlot = false;
    int nSlot = -1, nActiveInSlot = 0, nAddOnSlots = 0;
    for (std::size_t n = definitions.size(); n-- > 0;) {
        CDefinition& definition = definitions[n];
        if (definition.nSlot != nSlot) {
            bHiddenFromAbove = bHiddenFromAbove || bHidesInSlot;
            bAddOnAbove = bAddOnAbove || bAddOnInSlot;
            bHidesInSlot = bAddOnInSlot = false;
            nSlot = definition.nSlot;
            nActiveInSlot = 0;
        }
        if (!IsActive(index, pLayout, definition)) {
            definition.use = EAirportUse::kOff;
            continue;
        }
        if (++nActiveInSlot == 2)
            airport.bTwiceInArea = true;
        if (airport.nUsed < 0) {
            airport.nUsed = static_cast<int>(n);
            definition.use = EAirportUse::kUsed;
        } else {
            definition.use = bHiddenFromAbove ? EAirportUse::kHidden : EAirportUse::kMerges;
        }
        const bool bStock = IsStock(index, definition);
        if (bStock && bAddOnAbove && definition.use == EAirportUse::kMerges)
            airport.bMergesStock = true;
        if (!bStock && !bAddOnInSlot && ++nAddOnSlots == 2)
            airport.bConflict = true;
        bAddOnInSlot = bAddOnInSlot || !bStock;
        bHidesInSlot = bHidesInSlot || HidesEarlier(RecordOf(index, definition));
    }
    airport.strName = RecordOf(index, definitions[NamedDefinition(airport)]).strName;
}

} // namespace

std::size_t NamedDefinition(const CAirport& airport) {
    return airport.nUsed >= 0 ? static_cast<std::size_t>(airport.nUsed)
                              : airport.definitions.size() - 1;
}

std::vector<CAirport> AirportsOf(const CAirportIndex& index) {
    std::vector<CAirport> airports;
    std::unordered_map<std::string_view, std::size_t> byIdent;
    for (std::size_t nSlot = index.areas.size(); nSlot-- > 0;) {
        const std::vector<CIndexedFile>& files = index.files[nSlot];
        for (std::size_t nFile = 0; nFile < files.size(); ++nFile) {
            const std::vector<CAirportRecord>& records = files[nFile].contents.airports;
            for (std::size_t nRecord = 0; nRecord < records.size(); ++nRecord) {
                auto [it, bNew] = byIdent.emplace(records[nRecord].strIdent, airports.size());
                if (bNew)
                    airports.push_back(
                        {records[nRecord].strIdent, {}, {}, -1, false, false, false});
                airports[it->second].definitions.push_back(
                    {static_cast<int>(nSlot), static_cast<int>(nFile), static_cast<int>(nRecord),
                     EAirportUse::kOff});
            }
        }
    }
    for (CAirport& airport : airports)
        Resolve(index, nullptr, airport);
    std::sort(airports.begin(), airports.end(),
              [](const CAirport& a, const CAirport& b) { return a.strIdent < b.strIdent; });
    return airports;
}

CAirport Rearranged(const CAirportIndex& index, const CAirport& airport,
                    const CAirportLayout& layout) {
    CAirport rearranged{airport.strIdent, {}, airport.definitions, -1, false, false, false};
    // Load order is bottom row first; an area's own definitions keep theirs.
    std::stable_sort(rearranged.definitions.begin(), rearranged.definitions.end(),
                     [&](const CDefinition& a, const CDefinition& b) {
                         return layout.aRow[static_cast<std::size_t>(a.nSlot)] >
                                layout.aRow[static_cast<std::size_t>(b.nSlot)];
                     });
    Resolve(index, &layout, rearranged);
    return rearranged;
}

const char* AirportUseName(EAirportUse use) {
    switch (use) {
    case EAirportUse::kUsed:
        return "used";
    case EAirportUse::kHidden:
        return "hidden";
    case EAirportUse::kMerges:
        return "merges";
    case EAirportUse::kOff:
        break;
    }
    return "off";
}

const CIndexedFile& FileOf(const CAirportIndex& index, const CDefinition& definition) {
    return index.files[static_cast<std::size_t>(definition.nSlot)]
                      [static_cast<std::size_t>(definition.nFile)];
}

const CAirportRecord& RecordOf(const CAirportIndex& index, const CDefinition& definition) {
    return FileOf(index, definition)
        .contents.airports[static_cast<std::size_t>(definition.nRecord)];
}
