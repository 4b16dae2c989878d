#include "AreaCommands.h"

#include <gtest/gtest.h>

namespace {

struct CPlacement {
    const char* name;
    std::vector<int> aRemoved;
    std::vector<int> aListed; // the rows shown before, top first
    int nAdded;               // areas added after them
    std::vector<int> aRows;   // the areas of the rows, top first
};

class RowPlacement : public testing::TestWithParam<CPlacement> {};

// Four areas in file order, the second one off.
TEST_P(RowPlacement, KeepsTheUsersOrderAndPutsNewAreasOnTop) {
    const CPlacement& c = GetParam();
    CAreaArray areas;
    for (int i = 0; i < 4; ++i) {
        auto pArea = std::make_unique<CSceneryArea>();
        pArea->SetActive(i != 1);
        areas.Add(std::move(pArea));
    }
    std::vector<CListRow> listed;
    for (int nArea : c.aListed)
        listed.push_back({nArea, areas.GetAt(nArea).IsActive()});
    for (int n = 0; n < c.nAdded; ++n)
        AddArea(areas, "Scenery\\New", "C:\\Sim\\", "New");
    for (int nArea : c.aRemoved)
        RemoveArea(areas, nArea);

    std::vector<int> aRows;
    for (const CListRow& row : ListRows(areas, listed)) {
        aRows.push_back(row.nArea);
        EXPECT_EQ(row.bActive, areas.GetAt(row.nArea).IsActive()) << row.nArea;
    }
    EXPECT_EQ(aRows, c.aRows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RowPlacement,
    testing::Values(
        CPlacement{"FreshStartShowsTheLastAreaOnTop", {}, {}, 0, {3, 2, 1, 0}},
        CPlacement{"RemovedAreasDropOut", {0, 2}, {}, 0, {3, 1}},
        CPlacement{"DraggedOrderStays", {}, {0, 3, 1, 2}, 0, {0, 3, 1, 2}},
        CPlacement{"AddedAreasGoOnTopLastHighest", {}, {0, 3, 1, 2}, 2, {5, 4, 0, 3, 1, 2}},
        CPlacement{"RemovedRowLeavesTheOthersInPlace", {3}, {0, 3, 1, 2}, 0, {0, 1, 2}}),
    [](const testing::TestParamInfo<CPlacement>& info) { return info.param.name; });

} // namespace
