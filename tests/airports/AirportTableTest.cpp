#include "AirportTable.h"

#include <gtest/gtest.h>

namespace {

CIndexedFile File(std::vector<CAirportRecord> airports) {
    CIndexedFile file;
    file.contents.airports = std::move(airports);
    return file;
}

// Rows from the top: Two (its EGLL hides those below), One, Off (inactive),
// Default Scenery (stock); the library's areas are numbered otherwise.
CAirportIndex Index() {
    CAirportIndex index;
    index.areas = {{2, "Two", "", "", true, false},
                   {1, "One", "", "", true, false},
                   {3, "Off", "", "", false, false},
                   {0, "Default Scenery", "", "", true, true}};
    const CAirportRecord paris{.strIdent = "LFPG", .strName = "Paris"};
    index.files = {{File({{.strIdent = "EGLL",
                           .strName = "Heathrow",
                           .bDeletes = true,
                           .nDeleteFlags = kDeletesWholeAirport}}),
                    File({{.strIdent = "KSEA", .strName = "Seattle"}})},
                   {File({{.strIdent = "EGLL", .strName = "London"},
                          {.strIdent = "KBFI", .strName = "Boeing Field"}})},
                   {File({paris}), File({paris})},
                   {File({{.strIdent = "KBFI", .strName = "Boeing"}})}};
    return index;
}

std::vector<std::string> Idents(const CAirportTable& table) {
    std::vector<std::string> idents;
    for (std::size_t n = 0; n < table.RowCount(); ++n)
        idents.push_back(table.Text(n, EAirportColumn::kIdent));
    return idents;
}

} // namespace

TEST(AirportTable, RowsShowTheUsedAreaAndTheOthersLowerFirstWithTheirUse) {
    const CAirportTable table(Index());
    const std::vector<std::vector<std::string>> expected = {
        {"EGLL", "Heathrow", "Two", "One (hidden)"},
        {"KBFI", "Boeing Field", "One", "Default Scenery (merges)"},
        {"KSEA", "Seattle", "Two", ""},
        {"LFPG", "Paris", "", "Off (off)"}};
    ASSERT_EQ(table.RowCount(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        for (std::size_t c = 0; c < kAirportColumns; ++c)
            EXPECT_EQ(table.Text(n, static_cast<EAirportColumn>(c)), expected[n][c]);
    }
    EXPECT_EQ(table.UsedArea(0), 2);
    EXPECT_EQ(table.UsedArea(1), 1);
    EXPECT_EQ(table.UsedArea(3), -1);
}

TEST(AirportTable, ConflictsOnlyAndTheTextNarrowTheRows) {
    struct {
        bool bConflictsOnly;
        const char* pszFilter;
        std::vector<std::string> idents;
    } const cases[] = {{true, "", {"EGLL", "KBFI"}},
                       {false, "sEa", {"KSEA"}},
                       {false, "FIELD", {"KBFI"}},
                       {false, "k", {"KBFI", "KSEA"}},
                       {true, "sea", {}}};
    CAirportTable table(Index());
    for (const auto& c : cases) {
        table.SetConflictsOnly(c.bConflictsOnly);
        table.SetFilter(c.pszFilter);
        EXPECT_EQ(Idents(table), c.idents) << c.pszFilter;
    }
}

TEST(AirportTable, SortsByAColumnEqualTextsByIdentAndReversesOnTheSameColumn) {
    CAirportTable table(Index());
    table.SetFilter("A"); // all but KBFI
    const std::pair<EAirportColumn, std::vector<std::string>> steps[] = {
        {EAirportColumn::kUsed, {"LFPG", "EGLL", "KSEA"}},
        {EAirportColumn::kUsed, {"EGLL", "KSEA", "LFPG"}},
        {EAirportColumn::kName, {"EGLL", "LFPG", "KSEA"}},
        {EAirportColumn::kIdent, {"EGLL", "KSEA", "LFPG"}}};
    for (const auto& [column, idents] : steps) {
        table.SortBy(column);
        EXPECT_EQ(Idents(table), idents);
    }
    table.SetFilter("");
    EXPECT_EQ(Idents(table), (std::vector<std::string>{"EGLL", "KBFI", "KSEA", "LFPG"}));
}
