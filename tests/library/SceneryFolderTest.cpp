#include "SceneryFolder.h"
#include "AreaCommands.h"

#include "Files.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A simulator folder with an "Addon Scenery" directory to scan.
class SceneryFolders : public ::testing::Test {
protected:
    SceneryFolders() : m_simPath(m_sim.Path("")) { Make("Addon Scenery"); }

    void Make(const std::string& relative) {
        std::filesystem::create_directories(m_sim.Path(Native(relative)));
    }
    void Touch(const std::string& relative) { m_sim.Write(Native(relative), ""); }
    static std::string Native(std::string path) {
        for (char& c : path)
            c = c == '/' ? kPathSeparator : c;
        return path;
    }
    std::vector<std::string> Locals() const {
        std::vector<std::string> locals;
        for (int i = 0; i < m_areas.GetSize(); ++i)
            locals.push_back(m_areas.GetAt(i).GetLocal());
        return locals;
    }

    CTempFolder m_sim;
    std::string m_simPath;
    CAreaArray m_areas;
};

} // namespace

TEST_F(SceneryFolders, ScanAddsOnlyTheSceneryFoldersDirectlyInside) {
    Make("Addon Scenery/Lake/scenery");
    Touch("Addon Scenery/Lake/scenery/LAKE.BGL");
    Make("Addon Scenery/Docs");
    Make("Addon Scenery/Town/scenery");
    Make("Addon Scenery/Pack/Deep/scenery");
    Touch("Addon Scenery/Pack/Deep/scenery/deep.bgl");
    Make("Addon Scenery/.hidden/scenery");
    Touch("Addon Scenery/.hidden/scenery/h.bgl");
    Touch("Addon Scenery/file.bgl");

    CScanResult result = ScanDirectory(m_sim.Path("Addon Scenery"), m_simPath, m_areas);
    EXPECT_EQ(result.nAdded, 1);
    ASSERT_EQ(m_areas.GetSize(), 1);
    EXPECT_EQ(m_areas.GetAt(0).GetLocal(), Native("Addon Scenery/Lake"));
    EXPECT_EQ(m_areas.GetAt(0).GetTitle(), "Lake");
    EXPECT_TRUE(m_areas.GetAt(0).IsActive());

    // Scanning again adds the same folders again.
    ScanDirectory(m_sim.Path("Addon Scenery"), m_simPath, m_areas);
    EXPECT_EQ(Locals(), (std::vector<std::string>{Native("Addon Scenery/Lake"),
                                                  Native("Addon Scenery/Lake")}));
}

TEST_F(SceneryFolders, FoldersOutsideTheSimulatorKeepTheirWholePath) {
    CTempFolder elsewhere;
    std::filesystem::create_directories(elsewhere.Path(Native("Lake/scenery")));
    elsewhere.Write(Native("Lake/scenery/lake.bgl"), "");
    ScanDirectory(elsewhere.Path(""), m_simPath, m_areas);
    ASSERT_EQ(m_areas.GetSize(), 1);
    EXPECT_EQ(m_areas.GetAt(0).GetLocal(), elsewhere.Path("Lake"));
    EXPECT_EQ(m_areas.GetAt(0).GetTitle(), "Lake");
}

TEST_F(SceneryFolders, ScanStopsAtTheLastAddressableIndex) {
    for (const char* name : {"A", "B", "C"}) {
        Make(std::string("Addon Scenery/") + name + "/scenery");
        Touch(std::string("Addon Scenery/") + name + "/scenery/x.bgl");
    }
    CScanResult result = ScanDirectory(m_sim.Path("Addon Scenery"), m_simPath, m_areas, 2);
    EXPECT_EQ(result.nAdded, 2);
    EXPECT_EQ(result.nLeftOut, 1);
    EXPECT_EQ(m_areas.GetSize(), 2);
}

TEST(SceneryFolderPaths, LocalPathIsRelativeOnlyBelowTheSimulatorFolderCaseIncluded) {
    EXPECT_EQ(LocalPathOf("C:\\Sim\\Addon Scenery\\Lake", "C:\\Sim\\"), "Addon Scenery\\Lake");
    EXPECT_EQ(LocalPathOf("c:\\sim\\Addon Scenery\\Lake", "C:\\Sim\\"),
              "c:\\sim\\Addon Scenery\\Lake");
    EXPECT_EQ(LocalPathOf("C:\\Sim", "C:\\Sim\\"), "C:\\Sim");
    EXPECT_EQ(NameOfLocalPath(std::string("Addon") + kPathSeparator + "Lake"), "Lake");
    EXPECT_EQ(NameOfLocalPath("Lake"), "Lake");
}
