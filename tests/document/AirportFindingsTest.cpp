#include "AirportFindings.h"
#include "FindingCodes.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

CIndexArea Area(const std::string& title, bool bActive = true, bool bStock = false) {
    return {0, title, "Addon\\" + title, {}, bActive, bStock};
}

// A file of the airports, each an ident with the flags of its delete child
// (none when 0).
CIndexedFile File(const std::string& name,
                  const std::vector<std::pair<std::string, std::uint16_t>>& airports) {
    CIndexedFile file{name, {}};
    for (const auto& [ident, nFlags] : airports)
        file.contents.airports.push_back({.strIdent = ident,
                                          .strName = "Seattle",
                                          .bDeletes = nFlags != 0,
                                          .nDeleteFlags = nFlags});
    return file;
}

// A file read as of the kind, with records of a later simulator when so many,
// and a damaged one with airports read before its fault.
CIndexedFile Read(const std::string& name, EBglKind kind, std::uint32_t nLater = 0,
                  std::uint32_t nBeforeFault = 0, std::vector<std::string> before = {}) {
    return {name, {kind, "bad", 0x10, {}, nLater, 0x3C, 0x5C, nBeforeFault, std::move(before)}};
}

const std::string kSeattle = "KSEA \"Seattle\"";

} // namespace

TEST(AirportFindings, NameTheAreasAndFilesAtFault) {
    // Each finding as "severity code #position file: text".
    const std::tuple<const char*, CAirportIndex, std::vector<std::string>> cases[] = {
        {"Conflict",
         {{Area("A"), Area("B"), Area("C")},
          {{File("a.bgl", {{"KSEA", 0}})},
           {File("b.bgl", {{"KSEA", 0xE8}})},
           {File("c.bgl", {{"KSEA", 0}})}}},
         {"warning airport-conflict #1 a.bgl: " + kSeattle +
          " is used from here; #2 merges into it; #3 is hidden"}},
        {"MergesStock",
         {{Area("A"), Area("World", true, true)},
          {{File("a.bgl", {{"KSEA", 0x28}})}, {File("ap.bgl", {{"KSEA", 0}})}}},
         {"warning airport-merges-stock #2 ap.bgl: the stock " + kSeattle + " merges with #1"}},
        // However many copies a file holds, a fault is one finding: below one
        // add-on, 20,000 copies of an airport in a stock file that hide nothing.
        {"CopiesAreCountedNotListed",
         {{Area("A"), Area("World", true, true)},
          {{File("a.bgl", {{"KSEA", 0}})},
           {File("ap.bgl",
                 std::vector<std::pair<std::string, std::uint16_t>>(20000, {"KSEA", 0}))}}},
         {"warning airport-merges-stock #2 ap.bgl: the stock " + kSeattle +
              " (20000 copies) merges with #1",
          "warning airport-twice-in-area #2 ap.bgl: " + kSeattle +
              " is defined 20000 times here (ap.bgl): which one is used is not known"}},
        // Inactive, B's two definitions load nowhere.
        {"TwiceInActiveAreaOnly",
         {{Area("A"), Area("B", false)},
          {{File("a.bgl", {{"KSEA", 0}}), File("b.bgl", {{"KSEA", 0}})},
           {File("c.bgl", {{"KSEA", 0}, {"KSEA", 0}})}}},
         {"warning airport-twice-in-area #1 a.bgl: " + kSeattle +
          " is defined 2 times here (a.bgl, b.bgl): which one is used is not known"}},
        {"FilesErrorsWhenActiveWarningsWhenNot",
         {{Area("A"), Area("B", false)},
          {{Read("bad.bgl", EBglKind::kDamaged, 0, 7, {"KA", "KB", "KC", "KD", "KE"}),
            Read("fsx.bgl", EBglKind::kAirports, 2)},
           {Read("bad.bgl", EBglKind::kDamaged), Read("gone.bgl", EBglKind::kUnreadable)}}},
         {"error bgl-damaged #1 bad.bgl: cannot be read by the simulator: bad (at byte 0x10); "
          "before that it holds KA, KB, KC, KD, KE and 2 more airports",
          "error bgl-other-simulator #1 fsx.bgl: holds 2 airport records of a later "
          "simulator (id 0x3C at byte 0x5C), which this simulator cannot use",
          "warning bgl-damaged #2 bad.bgl: cannot be read by the simulator: bad (at byte 0x10)",
          "warning bgl-unreadable #2 gone.bgl: cannot be opened or read: bad"}}};
    for (const auto& [pszName, index, expected] : cases) {
        std::vector<CFinding> findings;
        AddAirportFindings(index, AirportsOf(index), findings);
        std::vector<std::string> found;
        for (const CFinding& finding : findings) {
            found.push_back(std::string(SeverityName(finding.severity)) + " " + finding.strCode +
                            " " + PositionName(finding.nPosition) + " " + finding.strFile + ": " +
                            finding.strText);
            EXPECT_NE(FindFindingCode(finding.strCode), nullptr) << finding.strCode;
        }
        EXPECT_EQ(found, expected) << pszName;
    }
}
