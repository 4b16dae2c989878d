#pragma once

// What the simulator makes of the airports of an index: for each ident,
// every area and file defining it in load order, the one the simulator
// shows, and for the others whether they are hidden or merge into it.

#include "AirportIndex.h"

#include <string>
#include <vector>

enum class EAirportUse {
    kUsed,   // the highest active definition: what the simulator shows
    kHidden, // a record loaded later deletes its runways, starts, frequencies and taxiways
    kMerges, // loaded and not hidden: its features add to what the simulator shows
    kOff,    // in an inactive area, not loaded
};

struct CDefinition {
    int nSlot = 0;   // the area in the index (0 = top row)
    int nFile = 0;   // in that area's files
    int nRecord = 0; // in that file's airports
    EAirportUse use = EAirportUse::kOff;
};

struct CAirport {
    std::string strIdent;
    std::string strName;                  // of the used definition, else of the highest one
    std::vector<CDefinition> definitions; // load order: bottom row first
    int nUsed = -1;                       // in definitions; -1 when no active area defines it
    // Two or more active add-on areas define it.
    bool bConflict = false;
    // A stock definition is not hidden while an active add-on above it
    // defines the ident.
    bool bMergesStock = false;
    // One area defines it twice, in one file or in two.
    bool bTwiceInArea = false;

    bool HasFinding() const { return bConflict || bMergesStock || bTwiceInArea; }
};

// Every ident of the index, in the order of the idents.
std::vector<CAirport> AirportsOf(const CAirportIndex& index);

// The rows as a change would leave them, by the index's slots: each slot's
// row after the change (0 = top) and whether its area is on.
struct CAirportLayout {
    std::vector<int> aRow;
    std::vector<char> aActive;
};
// The airport as the simulator would load it were the rows so: its
// definitions in that load order, each with its use.
CAirport Rearranged(const CAirportIndex& index, const CAirport& airport,
                    const CAirportLayout& layout);
// The definition whose name the airport takes.
std::size_t NamedDefinition(const CAirport& airport);

const char* AirportUseName(EAirportUse use);
// The record and the file of a definition.
const CAirportRecord& RecordOf(const CAirportIndex& index, const CDefinition& definition);
const CIndexedFile& FileOf(const CAirportIndex& index, const CDefinition& definition);
