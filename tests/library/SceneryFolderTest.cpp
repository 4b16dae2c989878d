#include "SceneryFolder.h"
#include "AreaChanges.h"

#include "CodePage.h"
#include "Files.h"
#include "TempFolder.h"
#include "TestDisk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <direct.h>
#endif

namespace {

// A simulator folder with an "Addon Scenery" directory to scan.
class SceneryFolders : public ::testing::Test {
protected:
    SceneryFolders() { std::filesystem::create_directories(m_sim.Path("Addon Scenery")); }

    CTempFolder m_sim;
    CAreaArray m_areas;
};

// Windows-1252 names no two of which differ only in case (Windows could not
// make both), in the order Wine lists them: by their upper case (Unicode's,
// é after F, ÿ as Ÿ, ƒ as Ƒ, µ and ß as they are), equal ones as they are.
const std::vector<std::string> kListed = {"1",    "10",    "2",    "a",    "Ab",   "ad",   "aE",
                                          "af",   "a\xE9", "B",    "e",    "ss",   "Zed",  "zz",
                                          "[",    "^",     "_x",   "`",    "{",    "~y",   "\xB5",
                                          "\xE9", "\xDF",  "\x9C", "\x9A", "\xFF", "\x83", "\x80"};

void MakeSceneryFolder(const std::string& directory, const std::string& name) {
#ifdef _WIN32
    // Through the system, which keeps the name in the disk's encoding.
    const std::string folder = directory + "\\" + name;
    _mkdir(folder.c_str());
    _mkdir((folder + "\\scenery").c_str());
#else
    // As Wine keeps the name on a Linux disk.
    const std::string folder = directory + "/" + CCodePage().ToUtf8(name).value();
    std::filesystem::create_directories(folder + "/scenery");
#endif
    std::fclose(std::fopen((folder + "/scenery/x.bgl").c_str(), "w"));
}

} // namespace

TEST_F(SceneryFolders, ScanAddsOnlyTheSceneryFoldersDirectlyInside) {
    for (const char* pszFile : {"Lake/scenery/LAKE.BGL", "Pack/Deep/scenery/deep.bgl",
                                ".hidden/scenery/h.bgl", "file.bgl"})
        m_sim.Write(std::string("Addon Scenery/") + pszFile, "");
    for (const char* pszFolder : {"Docs", "Town/scenery"})
        std::filesystem::create_directories(m_sim.Path("Addon Scenery/") + pszFolder);

    CScanResult result = ScanDirectory(m_sim.Path("Addon Scenery"), m_sim.Path(""), m_areas);
    EXPECT_EQ(result.nAdded, 1);
    ASSERT_EQ(m_areas.GetSize(), 1);
    EXPECT_EQ(m_areas.GetAt(0).GetLocal(), std::string("Addon Scenery") + kPathSeparator + "Lake");
    EXPECT_EQ(m_areas.GetAt(0).GetTitle(), "Lake");
    EXPECT_TRUE(m_areas.GetAt(0).IsActive());
}

// The window's Scan under Wine lists the folder through the system; twk's
// natively through the disk of a Wine prefix: both add these in this order,
// and leave out the last when the next index could not address it.
TEST_F(SceneryFolders, ScanAddsInTheOrderWineListsAFolderUpToTheLastAddressableIndex) {
    for (auto name = kListed.rbegin(); name != kListed.rend(); ++name)
        MakeSceneryFolder(m_sim.Path("Addon Scenery"), *name);
    const CTestDisk test(m_sim.Path(""));
    const int nRoom = static_cast<int>(kListed.size()) - 1;
    CScanResult result = ScanDirectory(test.SimPath() + "Addon Scenery", test.SimPath(), m_areas,
                                       nRoom, test.Disk());
    EXPECT_EQ(result.nAdded, nRoom);
    EXPECT_EQ(result.nLeftOut, 1);
    std::vector<std::string> titles;
    for (int i = 0; i < m_areas.GetSize(); ++i) {
        titles.push_back(m_areas.GetAt(i).GetTitle());
        EXPECT_EQ(m_areas.GetAt(i).GetLocal(), "Addon Scenery\\" + titles.back());
    }
    EXPECT_EQ(titles, std::vector(kListed.begin(), kListed.end() - 1));
    EXPECT_TRUE(std::is_sorted(kListed.begin(), kListed.end(), IsListedBefore));
}

TEST(SceneryFolderPaths, LocalPathIsRelativeOnlyBelowTheSimulatorFolderCaseIncluded) {
    EXPECT_EQ(LocalPathOf("C:\\Sim\\Addon Scenery\\Lake", "C:\\Sim\\"), "Addon Scenery\\Lake");
    EXPECT_EQ(LocalPathOf("c:\\sim\\Addon Scenery\\Lake", "C:\\Sim\\"),
              "c:\\sim\\Addon Scenery\\Lake");
    EXPECT_EQ(LocalPathOf("C:\\Sim", "C:\\Sim\\"), "C:\\Sim");
    EXPECT_EQ(NameOfLocalPath(std::string("Addon") + kPathSeparator + "Lake"), "Lake");
    EXPECT_EQ(NameOfLocalPath("Lake"), "Lake");
}
