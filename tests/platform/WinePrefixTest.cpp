#include "SimulatorLocation.h"
#include "WineDisk.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kKey32 =
    "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1\n";
const std::string kKey64 =
    "[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\9.0] 1\n";

struct CRegistryCase {
    const char* pszName;
    std::string systemReg;
    bool bFound;
    std::string value; // the folder, or a part of why there is none
};

class WineRegistry : public ::testing::TestWithParam<CRegistryCase> {};

} // namespace

TEST_P(WineRegistry, GivesTheSimulatorFolderOfThe32BitView) {
    const CRegistryString found =
        FindRegistryString32(GetParam().systemReg, kSimRegistryKey, kSimRegistryValue);
    EXPECT_EQ(found.bValueFound, GetParam().bFound);
    EXPECT_NE((found.bValueFound ? found.strValue : found.strWhyNot).find(GetParam().value),
              std::string::npos)
        << found.strValue << found.strWhyNot;
}

INSTANTIATE_TEST_SUITE_P(
    SystemReg, WineRegistry,
    ::testing::Values(
        CRegistryCase{"Plain32", "#arch=win32\n" + kKey32 + "\"Exe Path\"=\"C:\\\\FS9\\\\\"\n",
                      true, "C:\\FS9\\"},
        CRegistryCase{"EscapesDecoded",
                      kKey32 + "#time=1\n\"exe path\"=\"C:\\\\D\\x00e9cor \\\"q\\\" \\x3a9\\\\\"\n",
                      true, "C:\\D\303\251cor \"q\" \316\251\\"},
        CRegistryCase{"KeyNamesIgnoreCase",
                      "[SOFTWARE\\\\microsoft\\\\Microsoft Games\\\\FLIGHT Simulator\\\\9.0]\n"
                      "\"Exe Path\"=\"D:\\\\\"\n",
                      true, "D:\\"},
        CRegistryCase{"Wow6432NodeIn64BitPrefix",
                      "#arch=win64\n" + kKey32 + "\"Exe Path\"=\"C:\\\\Wrong\\\\\"\n" + kKey64 +
                          "\"Exe Path\"=\"C:\\\\Right\\\\\"\n",
                      true, "C:\\Right\\"},
        CRegistryCase{"No64BitViewIn64BitPrefix",
                      "#arch=win64\n" + kKey32 + "\"Exe Path\"=\"C:\\\\FS9\\\\\"\n", false, ""},
        CRegistryCase{"ExpandableString", kKey32 + "\"Exe Path\"=str(2):\"%ProgramFiles%\"\n",
                      false, "expandable"},
        CRegistryCase{"OtherValueOnly", kKey32 + "\"Exe\"=\"C:\\\\FS9\\\\\"\n", false, ""}),
    [](const ::testing::TestParamInfo<CRegistryCase>& info) { return info.param.pszName; });

TEST(WinePrefix, CodePageIsTheRegistrysAnsiOneAndOnly1252Converts) {
    const std::string nls = "[System\\\\CurrentControlSet\\\\Control\\\\Nls\\\\Codepage] 1\n";
    EXPECT_EQ(CodePageOf(nls + "\"ACP\"=\"1252\"\n").GetNumber(), 1252u);
    EXPECT_EQ(CodePageOf("").GetNumber(), 1252u);
    const CCodePage eastern = CodePageOf(nls + "\"ACP\"=\"1250\"\n");
    EXPECT_EQ(eastern.GetNumber(), 1250u);
    EXPECT_EQ(eastern.ToUtf8("plain"), "plain");
    EXPECT_FALSE(eastern.ToUtf8("D\xE9"));

    const CCodePage western;
    for (auto [cp1252, utf8] : {std::pair<std::string, std::string>{"D\351cor", "D\303\251cor"},
                                {"\x80\x81\x9F\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xBF"}}) {
        EXPECT_EQ(western.ToUtf8(cp1252), utf8);
        EXPECT_EQ(western.FromUtf8(utf8), cp1252);
    }
    for (const char* pszNot : {"\xCE\xA9", "\xC3", "\xC0\x80", "\xED\xA0\x80", "\xFF"})
        EXPECT_FALSE(western.FromUtf8(pszNot)) << pszNot;
}

namespace {

// A made-up prefix: C: its drive_c, D: a folder elsewhere, Q: a link to
// nothing; in drive_c the folders games/fs9 (with SCENERY.CFG) and Décor.
class WineDrives : public ::testing::Test {
protected:
    WineDrives() {
        for (const char* pszFolder : {"dosdevices", "drive_c/D\303\251cor", "drive_c/bad\xFF"})
            std::filesystem::create_directories(m_prefix.Path(pszFolder));
        m_prefix.Write("drive_c/games/fs9/SCENERY.CFG", "");
        std::filesystem::create_directory_symlink("../drive_c", m_prefix.Path("dosdevices/c:"));
        std::filesystem::create_directory_symlink(m_other.Path(""), m_prefix.Path("dosdevices/d:"));
        std::filesystem::create_directory_symlink("/nowhere", m_prefix.Path("dosdevices/q:"));
    }
    // A disk reads each folder once: one made after the folders changed.
    CWineDisk Disk() const { return CWineDisk(ReadDrives(m_prefix.Path("")), CCodePage()); }

    CTempFolder m_prefix;
    CTempFolder m_other;
};

} // namespace

TEST_F(WineDrives, LocateFollowsTheDriveAndMatchesNamesWithoutRegardToCase) {
    const CWineDisk disk = Disk();
    const std::string driveC = std::filesystem::canonical(m_prefix.Path("drive_c")).string();
    EXPECT_EQ(disk.Locate("c:\\GAMES\\FS9/scenery.cfg").strPath, driveC + "/games/fs9/SCENERY.CFG");
    EXPECT_EQ(disk.Locate("C:\\d\311COR\\.\\x\\..\\new.txt").strPath,
              driveC + "/D\303\251cor/new.txt");
    EXPECT_EQ(disk.Locate("D:\\").strPath, std::filesystem::canonical(m_other.Path("")).string());
    for (const char* pszNowhere : {"Q:\\x", "E:\\x", "\\\\server\\share"})
        EXPECT_NE(disk.Locate(pszNowhere).strError, "") << pszNowhere;
    // Of two names that differ only in case the one given wins, as in Wine;
    // given in a third case, neither.
    m_prefix.Write("drive_c/games/fs9/scenery.cfg", "");
    EXPECT_EQ(Disk().Locate("C:\\games\\fs9\\scenery.cfg").strPath,
              driveC + "/games/fs9/scenery.cfg");
    EXPECT_NE(Disk().Locate("C:\\games\\fs9\\Scenery.cfg").strError, "");
}

TEST_F(WineDrives, ListsInTheCodePageAndStoresPathsThroughTheClosestDrive) {
    const CWineDisk disk = Disk();
    std::vector<std::string> names;
    for (const CDirEntry& entry : disk.List("C:\\"))
        names.push_back(entry.strName + (entry.bUnnamed ? "?" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{"D\351cor", "games", "bad\xFF?"}));

    EXPECT_EQ(disk.StoredPathOf(m_prefix.Path("drive_c/games")).strPath, "C:\\games");
    EXPECT_EQ(disk.StoredPathOf(m_other.Path("")).strPath, "D:\\");
    EXPECT_NE(disk.StoredPathOf(m_prefix.Path("dosdevices")).strError, "");
    EXPECT_NE(disk.StoredPathOf(m_prefix.Path("drive_c/bad\xFF")).strError, "");
    // Without dosdevices/, Wine's own drive Z: leads to the root.
    CTempFolder bare;
    EXPECT_EQ(CWineDisk(ReadDrives(bare.Path("")), CCodePage()).StoredPathOf("/").strPath, "Z:\\");
}
