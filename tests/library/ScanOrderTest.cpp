#include "AreaCommands.h"
#include "CodePage.h"
#include "TempFolder.h"
#include "TestDisk.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#ifdef _WIN32
#include <direct.h>
#endif

namespace {

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
    std::fclose(std::fopen((folder + "\\scenery\\x.bgl").c_str(), "w"));
#else
    // As Wine keeps the name on a Linux disk.
    const std::string folder = directory + "/" + CCodePage().ToUtf8(name).value();
    std::filesystem::create_directories(folder + "/scenery");
    std::fclose(std::fopen((folder + "/scenery/x.bgl").c_str(), "w"));
#endif
}

} // namespace

// The window's Scan under Wine lists the folder through the system; twk's
// natively through the disk of a Wine prefix: both add these in this order.
TEST(ScanOrder, IsTheOrderInWhichWineListsAFolder) {
    CTempFolder sim;
    std::filesystem::create_directory(sim.Path("Addon Scenery"));
    for (auto name = kListed.rbegin(); name != kListed.rend(); ++name)
        MakeSceneryFolder(sim.Path("Addon Scenery"), *name);
    const CTestDisk test(sim.Path(""));
    CAreaArray areas;
    ScanDirectory(test.SimPath() + "Addon Scenery", test.SimPath(), areas, CAreaArray::kMaxAreas,
                  test.Disk());
    std::vector<std::string> titles;
    for (int i = 0; i < areas.GetSize(); ++i) {
        titles.push_back(areas.GetAt(i).GetTitle());
        EXPECT_EQ(areas.GetAt(i).GetLocal(), "Addon Scenery\\" + titles.back());
    }
    EXPECT_EQ(titles, kListed);
    EXPECT_TRUE(std::is_sorted(kListed.begin(), kListed.end(), IsListedBefore));
}
