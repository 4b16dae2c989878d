#pragma once

// What makes the simulator use the definition of an airport a user chooses:
// the areas to switch on or off and to move, and every other airport that
// change changes. Worked out in memory over the index as it stands, before
// anything is changed; the library makes the change.

#include "Airports.h"

#include <array>
#include <string>
#include <vector>

// A change of the rows: areas switched, then areas moved as one block, in
// their order, next to another area. Areas are the library's (nArea).
struct CRearrangement {
    std::vector<int> switchedOn;
    std::vector<int> switchedOff;
    std::vector<int> moved; // top first
    int nNextTo = -1;       // the area the block goes next to
    bool bBelow = false;    // below it, else above it

    bool IsEmpty() const { return switchedOn.empty() && switchedOff.empty() && moved.empty(); }
};

// The three ways to have the chosen definition used.
enum class EResolution {
    kMoveUse,    // its area up to just above the highest other that defines the airport
    kMoveOthers, // the other add-ons above it down to just below it, as one block
    kOthersOff,  // every other add-on defining the airport switched off
};

// Another airport whose use the change changes: what the simulator uses
// before and after, or whether a definition is hidden or merges.
struct CAirportEffect {
    std::size_t nAirport = 0; // in the airports
    // The definition used before and after; nSlot -1 when none is.
    CDefinition before;
    CDefinition after;
};

// An area the others-off way switches off, which switches off all it holds.
struct CAreaSwitchedOff {
    int nSlot = 0;
    std::size_t nFiles = 0;         // its scenery files
    std::size_t nOtherAirports = 0; // the airports it defines beside the chosen one
};

struct CResolutionWay {
    // Why this way cannot be taken (it would move or switch off a required
    // or stock area), or empty.
    std::string strImpossible;
    // Worth offering beside the proposed way: it can be taken and differs.
    bool bOffered = false;
    CRearrangement change;
    // The change in words, a line each: "Switch "X" on", "Move "X" above "Y"".
    std::vector<std::string> lines;
    // What stays to be said of the airport after it: which definitions
    // still merge into the chosen one.
    std::vector<std::string> notes;
    std::vector<CAirportEffect> effects;
    std::vector<CAreaSwitchedOff> switchedOff;
    // Other active definitions still merge into the chosen one after it.
    bool bStillMerges = false;
};

struct CResolution {
    // Why the area's definition cannot be chosen, or empty.
    std::string strRefused;
    // Said whichever way is taken: that the chosen one is used already, or
    // that its area defines the airport twice.
    std::vector<std::string> notes;
    // Nothing to change: the chosen definition is used already and no
    // other merges into it.
    bool bNothingToChange = false;
    EResolution proposed = EResolution::kMoveUse;
    // Every way, each worked out even when not offered: both moves, and
    // others off (offered when the others would still merge).
    std::array<CResolutionWay, 3> ways;

    const CResolutionWay& Way(EResolution kind) const {
        return ways[static_cast<std::size_t>(kind)];
    }
};

// How the airport (one of the airports, as AirportsOf gave them for the
// index) is resolved in favour of the area in that slot.
CResolution ResolveAirport(const CAirportIndex& index, const std::vector<CAirport>& airports,
                           std::size_t nAirport, int nSlot);

// The airport of that ident (letters in capitals), or airports.size().
std::size_t FindAirport(const std::vector<CAirport>& airports, const std::string& ident);
