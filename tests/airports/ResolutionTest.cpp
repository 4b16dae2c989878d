#include "Resolution.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Areas top row first, "A: KSEA! KBFI; B: ...": the title after - (off), *
// (stock) or ^ (required), then one file of the idents, ! for a record
// deleting the whole airport loaded before it. Area n is the library's area n.
CAirportIndex IndexOf(const std::string& areas) {
    CAirportIndex index;
    std::istringstream rows(areas);
    for (std::string row; std::getline(rows, row, ';');) {
        std::istringstream words(row);
        std::string title;
        words >> title;
        title.pop_back(); // the colon
        const bool bMarked = std::string("-*^").find(title[0]) != std::string::npos;
        index.areas.push_back({static_cast<int>(index.areas.size()), title.substr(bMarked), "", "",
                               title[0] != '-', title[0] == '*', title[0] == '^'});
        CIndexedFile file{"a.bgl", {}};
        for (std::string ident; words >> ident;) {
            const bool bDeletes = ident.back() == '!';
            file.contents.airports.push_back({.strIdent = ident.substr(0, ident.size() - bDeletes),
                                              .strName = "",
                                              .bDeletes = bDeletes,
                                              .nDeleteFlags = kDeletesWholeAirport});
        }
        index.files.push_back({file});
    }
    return index;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text.append(text.empty() ? "" : "; ").append(line);
    return text;
}

struct CResolveCase {
    const char* pszName;
    const char* pszAreas;
    int nChosen; // the slot whose KSEA is chosen
    // Each way's lines when offered, else "-"; the proposed one first.
    const char* pszProposed;
    const char* pszAlternative;
    const char* pszOthersOff;
    // The idents of the other airports the proposed way changes.
    const char* pszEffects;
    // The resolution's notes and the proposed way's, or its impossibility.
    std::string notes;
};

// The note on the definitions that merge into the chosen one, after their names.
const std::string kAllTheSame =
    "into it all the same: the chosen definition does not delete the airport loaded before it.";

} // namespace

TEST(AirportResolution, ProposesTheChangeThatMakesTheChosenDefinitionUsed) {
    const CResolveCase cases[] = {
        {"OffIsSwitchedOnAndBetweenGoesAboveTheHighest", "A: KSEA!; -B: KSEA!; C: KSEA!", 1,
         "Switch \"B\" on; Move \"B\" above \"A\"", "Switch \"B\" on; Move \"A\" below \"B\"", "-",
         "", ""},
        // Moving C up takes its KPAE above D's; moving A down changes nothing else.
        {"TheMoveChangingFewerOtherAirportsIsProposed", "A: KSEA!; D: KPAE!; C: KSEA! KPAE!", 2,
         "Move \"A\" below \"C\"", "Move \"C\" above \"A\"", "-", "", ""},
        // Either move changes two others: the tie goes to moving the chosen one.
        {"WhatElseChangesIsEveryAirportOfAMovedAreaThatChangesUse",
         "A: KSEA! KXXX! KYYY!; E: KXXX! KYYY!; D: KPAE! KBFI; C: KSEA! KPAE KBFI!", 3,
         "Move \"C\" above \"A\"", "Move \"A\" below \"C\"", "-", "KBFI KPAE", ""},
        {"UsedAlreadyChangesNothing", "A: KSEA!; B: KSEA", 0, "", "-", "-", "",
         "\"A\" is the one the simulator uses already."},
        {"WithoutADeleteRecordTheOthersMergeAndMaySwitchOff", "A: KSEA KBFI; B: KSEA; C: KSEA", 1,
         "Move \"B\" above \"A\"", "Move \"A\" below \"B\"",
         "Switch \"A\" off (1 scenery file, 1 other airport); Switch \"C\" off (1 scenery file, 0 "
         "other airports)",
         "", "KSEA of \"A\" and \"C\" merge " + kAllTheSame},
        {"OnlyStockMergingIsSaidAndNothingChanges", "B: KSEA; *World: KSEA", 0, "", "-", "-", "",
         "\"B\" is the one the simulator uses already.; KSEA of \"World\" merges " + kAllTheSame +
             "; Only stock definitions would merge: switching add-ons off cannot help."},
        {"AStockChoiceIsNeverMovedButTheAddOnsGoBelowIt", "A: KSEA!; *World: KSEA", 1,
         "Move \"A\" below \"World\"", "-", "Switch \"A\" off (1 scenery file, 0 other airports)",
         "", "KSEA of \"A\" merges " + kAllTheSame},
        {"ARequiredAreaAboveIsNeverMovedNorSwitchedOff", "^R: KSEA; B: KSEA", 1,
         "Move \"B\" above \"R\"", "-", "-", "", "KSEA of \"R\" merges " + kAllTheSame},
        {"TwiceInTheChosenAreaIsSaid", "A: KSEA!; B: KSEA! KSEA!", 1, "Move \"B\" above \"A\"",
         "Move \"A\" below \"B\"", "-", "",
         "\"B\" defines KSEA twice: which of its two definitions the simulator takes is not "
         "known."},
    };
    for (const CResolveCase& test : cases) {
        SCOPED_TRACE(test.pszName);
        const CAirportIndex index = IndexOf(test.pszAreas);
        const std::vector<CAirport> airports = AirportsOf(index);
        const CResolution resolution =
            ResolveAirport(index, airports, FindAirport(airports, "KSEA"), test.nChosen);
        ASSERT_EQ(resolution.strRefused, "");
        const CResolutionWay& proposed = resolution.Way(resolution.proposed);
        const CResolutionWay& alternative =
            resolution.Way(resolution.proposed == EResolution::kMoveUse ? EResolution::kMoveOthers
                                                                        : EResolution::kMoveUse);
        auto offered = [](const CResolutionWay& way) {
            return way.bOffered ? Joined(way.lines) : "-";
        };
        EXPECT_EQ(offered(proposed), test.pszProposed);
        EXPECT_EQ(offered(alternative), test.pszAlternative);
        EXPECT_EQ(offered(resolution.Way(EResolution::kOthersOff)), test.pszOthersOff);
        std::string effects;
        for (const CAirportEffect& effect : proposed.effects)
            effects.append(effects.empty() ? "" : " ").append(airports[effect.nAirport].strIdent);
        EXPECT_EQ(effects, test.pszEffects);
        std::vector<std::string> notes = resolution.notes;
        notes.insert(notes.end(), proposed.notes.begin(), proposed.notes.end());
        EXPECT_EQ(Joined(notes), test.notes);
        EXPECT_EQ(resolution.bNothingToChange,
                  proposed.change.IsEmpty() && *test.pszOthersOff == '-');
    }
}

TEST(AirportResolution, WhatCannotBeChosenOrTakenSaysWhy) {
    CAirportIndex index = IndexOf("A: KSEA!; *World: KSEA!; B: KBFI");
    CIndexedFile& damaged = index.files[2].emplace_back(CIndexedFile{"bad.bgl", {}});
    damaged.contents.kind = EBglKind::kDamaged;
    damaged.contents.aBeforeFault = {"KSEA"};
    const std::vector<CAirport> airports = AirportsOf(index);
    const std::size_t nSeattle = FindAirport(airports, "KSEA");
    EXPECT_EQ(ResolveAirport(index, airports, nSeattle, 2).strRefused,
              "KSEA of \"B\" is in a damaged file (bad.bgl), so it cannot be chosen");
    index.files[2].pop_back();
    EXPECT_EQ(ResolveAirport(index, airports, nSeattle, 2).strRefused,
              "\"B\" does not define KSEA");
    EXPECT_EQ(ResolveAirport(index, airports, nSeattle, 1).Way(EResolution::kMoveUse).strImpossible,
              "it would move \"World\", one of the simulator's own areas");
    EXPECT_EQ(FindAirport(airports, "KXXX"), airports.size());
}
