#include "FolderCommands.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Areas A0 on, A1 off, A2 on, A3 on. Folders: Mixed (A0, A1), One (A2),
// Also (A0, as Folder.txt may list it twice), Empty.
struct CModel {
    CAreaArray areas;
    CFolderArray folders;

    CModel() {
        for (bool bActive : {true, false, true, true}) {
            auto pArea = std::make_unique<CSceneryArea>();
            pArea->SetActive(bActive);
            areas.Add(std::move(pArea));
        }
        for (auto [name, nActive, aAreas] :
             {std::tuple{"Mixed", 2, std::vector{0, 1}}, std::tuple{"One", 1, std::vector{2}},
              std::tuple{"Also", 1, std::vector{0}}, std::tuple{"Empty", 0, std::vector<int>{}}}) {
            const int f = folders.Add(std::make_unique<CFolder>(name));
            folders.GetAt(f).SetActive(nActive);
            for (int nArea : aAreas) {
                folders.GetAt(f).AddEntry(nArea);
                areas.GetAt(nArea).SetInFolder(true);
            }
        }
    }
    std::string Actives() const {
        std::string s;
        for (int i = 0; i < areas.GetSize(); ++i)
            s += areas.GetAt(i).IsActive() ? '1' : '0';
        return s;
    }
    std::string States() const {
        std::string s;
        for (int f = 0; f < folders.GetSize(); ++f)
            s += static_cast<char>('0' + folders.GetAt(f).GetActive());
        return s;
    }
};

struct CToggle {
    const char* name;
    std::function<void(CModel&)> action;
    const char* pszActives; // A0..A3 after the action
    const char* pszStates;  // Mixed, One, Also, Empty
};

class FolderToggles : public testing::TestWithParam<CToggle> {};

TEST_P(FolderToggles, SwitchAreasAndEveryFolderHoldingThem) {
    CModel model;
    GetParam().action(model);
    EXPECT_EQ(model.Actives(), GetParam().pszActives);
    EXPECT_EQ(model.States(), GetParam().pszStates);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderToggles,
    testing::Values(CToggle{"GreyFolderGoesOff",
                            [](CModel& m) { ToggleFolder(m.folders, m.areas, 0); }, "0011", "0100"},
                    CToggle{"OffFolderGoesOn",
                            [](CModel& m) {
                                ToggleFolder(m.folders, m.areas, 0);
                                ToggleFolder(m.folders, m.areas, 0);
                            },
                            "1111", "1110"},
                    CToggle{"OneAreaFolderFollowsItsArea",
                            [](CModel& m) { ToggleArea(m.folders, m.areas, 2); }, "1001", "2010"},
                    CToggle{"AreaOfMixedFolderMakesItWhole",
                            [](CModel& m) { ToggleArea(m.folders, m.areas, 1); }, "1111", "1110"},
                    CToggle{"AreaInTwoFoldersUpdatesBoth",
                            [](CModel& m) { ToggleArea(m.folders, m.areas, 0); }, "0011", "0100"},
                    CToggle{"AreaInNoFolderChangesNoFolder",
                            [](CModel& m) { ToggleArea(m.folders, m.areas, 3); }, "1010", "2110"},
                    CToggle{"EmptyFolderOnlyTicks",
                            [](CModel& m) { ToggleFolder(m.folders, m.areas, 3); }, "1011", "2111"},
                    CToggle{"AddingAnAreaGivesTheFolderItsState",
                            [](CModel& m) { AddToFolder(m.folders, m.areas, 3, 3); }, "1011",
                            "2111"},
                    CToggle{"AddingTakesNoAreaAlreadyInAFolder",
                            [](CModel& m) { EXPECT_FALSE(AddToFolder(m.folders, m.areas, 3, 1)); },
                            "1011", "2110"}),
    [](const testing::TestParamInfo<CToggle>& info) { return info.param.name; });

TEST(FolderEntries, LeavingAFolderFreesTheAreaForAnother) {
    CModel model;
    EXPECT_EQ(RemoveFromFolder(model.folders, model.areas, 0, 1), 1);
    EXPECT_FALSE(model.areas.GetAt(1).IsInFolder());
    EXPECT_TRUE(AddToFolder(model.folders, model.areas, 1, 1));
    EXPECT_EQ(model.folders.GetAt(1).GetArea(1), 1);

    EXPECT_EQ(RemoveFolder(model.folders, model.areas, 1), (std::vector{2, 1}));
    EXPECT_EQ(model.folders.GetSize(), 3);
    EXPECT_FALSE(model.areas.GetAt(2).IsInFolder());
    EXPECT_EQ(model.areas.GetSize(), 4);
}

struct CNameCase {
    const char* name;
    int nRenamed; // -1 for a new folder
    bool bAccepted;
};

class FolderNames : public testing::TestWithParam<CNameCase> {};

// Only names that Folder.txt gives back as the same, separate folder.
TEST_P(FolderNames, AreRefusedWhenTheyCannotComeBack) {
    const CNameCase& c = GetParam();
    CModel model;
    const std::string reason = c.nRenamed < 0 ? NewFolder(model.folders, c.name)
                                              : RenameFolder(model.folders, c.nRenamed, c.name);
    EXPECT_EQ(reason.empty(), c.bAccepted) << '"' << c.name << "\": " << reason;
    EXPECT_EQ(model.folders.GetSize(), c.bAccepted && c.nRenamed < 0 ? 5 : 4);
    if (c.nRenamed >= 0) {
        EXPECT_EQ(model.folders.GetAt(c.nRenamed).GetName() == c.name, c.bAccepted);
    }
}

const CNameCase kNames[] = {
    {"Group", -1, true}, {"mixed", -1, false}, {"MIXED", 0, true},   {"One", 0, false},
    {"[x", -1, false},   {"a]b", -1, false},   {" x", -1, false},    {"x\t", -1, false},
    {"", -1, false},     {"x [y", -1, true},   {"Mixed 2", 1, true},
};

INSTANTIATE_TEST_SUITE_P(Names, FolderNames, testing::ValuesIn(kNames));

} // namespace
