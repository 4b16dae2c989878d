#include "AirportTable.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

CIndexedFile File(std::vector<CAirportRecord> airports) {
    CIndexedFile file;
    file.contents.airports = std::move(airports);
    return file;
}

CAirportRecord Record(const char* pszIdent, const char* pszName, bool bHides = false) {
    return {.strIdent = pszIdent,
            .strName = pszName,
            .bDeletes = bHides,
            .nDeleteFlags = bHides ? kDeletesWholeAirport : std::uint16_t{0}};
}

// Rows from the top: Two (its EGLL hides those below), One, Off (inactive),
// Default Scenery (stock); the library's areas are numbered otherwise.
CAirportIndex Index() {
    CAirportIndex index;
    index.areas = {{2, "Two", "", "", true, false},
                   {1, "One", "", "", true, false},
                   {3, "Off", "", "", false, false},
                   {0, "Default Scenery", "", "", true, true}};
    index.files = {{File({Record("EGLL", "Heathrow", true)}), File({Record("KSEA", "Seattle")})},
                   {File({Record("EGLL", "London"), Record("KBFI", "Boeing Field")})},
                   {File({Record("LFPG", "Paris")}), File({Record("LFPG", "Paris")})},
                   {File({Record("KBFI", "Boeing")})}};
    return index;
}

// Each row's texts, then the area it is used from, joined by '|'; or the idents alone.
std::vector<std::string> Rows(const CAirportTable& table, bool bIdentsOnly = true) {
    std::vector<std::string> rows;
    for (std::size_t n = 0; n < table.RowCount(); ++n) {
        std::string row = table.Text(n, EAirportColumn::kIdent);
        for (std::size_t c = 1; c < kAirportColumns && !bIdentsOnly; ++c)
            row += "|" + table.Text(n, static_cast<EAirportColumn>(c));
        rows.push_back(bIdentsOnly ? row : row + "|" + std::to_string(table.UsedArea(n)));
    }
    return rows;
}

} // namespace

TEST(AirportTable, RowsShowTheUsedAreaAndTheOthersLowerFirstWithTheirUse) {
    EXPECT_EQ(Rows(CAirportTable(Index(), AirportsOf(Index())), false),
              (std::vector<std::string>{"EGLL|Heathrow|Two|One (hidden)|2",
                                        "KBFI|Boeing Field|One|Default Scenery (merges)|1",
                                        "KSEA|Seattle|Two||2", "LFPG|Paris||Off (off)|-1"}));
}

TEST(AirportTable, ConflictsOnlyAndTheTextNarrowTheRowsAColumnSortsThemAgainReverses) {
    const CAirportIndex index = Index();
    CAirportTable table(index, AirportsOf(index));
    for (const auto& [bConflictsOnly, pszFilter, idents] :
         {std::tuple{true, "", std::vector<std::string>{"EGLL", "KBFI"}},
          {false, "FIELD", {"KBFI"}},
          {false, "k", {"KBFI", "KSEA"}},
          {true, "k", {"KBFI"}}}) {
        table.SetConflictsOnly(bConflictsOnly);
        table.SetFilter(pszFilter);
        EXPECT_EQ(Rows(table), idents) << pszFilter;
    }
    table.SetConflictsOnly(false);
    table.SetFilter("A"); // all but KBFI; equal texts by ident
    for (const auto& [column, idents] :
         {std::pair{EAirportColumn::kUsed, std::vector<std::string>{"LFPG", "EGLL", "KSEA"}},
          {EAirportColumn::kUsed, {"EGLL", "KSEA", "LFPG"}},
          {EAirportColumn::kName, {"EGLL", "LFPG", "KSEA"}},
          {EAirportColumn::kIdent, {"EGLL", "KSEA", "LFPG"}}}) {
        table.SortBy(column);
        EXPECT_EQ(Rows(table), idents);
    }
}
