#include "AreaCommands.h"
#include "FolderFile.h"
#include "RunProgram.h"
#include "SceneryCfg.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

// Rows from the top: #1 Twin (B), #2 Twin (A), #3 Town (off), #4 Lake, #5 Base
// (required). Lake, Town and Base have scenery folders; New is one not listed
// yet, Empty is none. The folder Airports holds Lake and Town.
const std::string kSceneryCfg = "[General]\r\nTitle=FS9 World Scenery\r\n"
                                "Description=FS9 Scenery Data\r\nClean_on_Exit=TRUE\r\n"
                                "[Area.001]\r\nTitle=Base\r\nLocal=Scenery\\Base\r\nLayer=1\r\n"
                                "Active=TRUE\r\nRequired=TRUE\r\n"
                                "[Area.002]\r\nTitle=Lake\r\nLocal=Addon Scenery\\Lake\r\n"
                                "Layer=2\r\nActive=TRUE\r\nRequired=FALSE\r\n"
                                "[Area.003]\r\nTitle=Town\r\nLocal=Addon Scenery\\Town\r\n"
                                "Layer=3\r\nActive=FALSE\r\nRequired=FALSE\r\n"
                                "[Area.004]\r\nTitle=Twin\r\nLocal=Addon Scenery\\Twin A\r\n"
                                "Layer=4\r\nActive=TRUE\r\nRequired=FALSE\r\n"
                                "[Area.005]\r\nTitle=Twin\r\nLocal=Addon Scenery\\Twin B\r\n"
                                "Layer=5\r\nActive=TRUE\r\nRequired=FALSE\r\n";
const std::string kFolderTxt = "[Airports]\r\nActive=2\r\nExpand=1\r\n"
                               "Title.0=Lake\r\nLocal.0=Addon Scenery\\Lake\r\n"
                               "Title.1=Town\r\nLocal.1=Addon Scenery\\Town\r\n";

class Twk : public ::testing::Test {
protected:
    Twk() {
        m_sim.Write("scenery.cfg", kSceneryCfg);
        m_sim.Write("Folder.txt", kFolderTxt);
        for (const char* folder :
             {"Scenery/Base", "Addon Scenery/Lake", "Addon Scenery/Town", "Addon Scenery/New"}) {
            std::filesystem::create_directories(m_sim.Path(folder) + "/scenery");
            m_sim.Write(std::string(folder) + "/scenery/x.BGL", "");
        }
        std::filesystem::create_directories(m_sim.Path("Addon Scenery/Empty/scenery"));
    }

    // twk on the simulator folder, with no Wine prefix (natively) and no
    // simulator named by the environment; line ends as a terminal shows them.
    CProgramRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--sim", m_sim.Path("")});
        return RunFinding(args, {});
    }
    // twk left to find the simulator, in the environment given.
    CProgramRun RunFinding(std::vector<std::string> args,
                           std::vector<std::pair<std::string, std::string>> environment) {
        for (const char* pszName : {"TARNWICK_SIM", "WINEPREFIX"}) {
            if (std::none_of(environment.begin(), environment.end(),
                             [&](const auto& variable) { return variable.first == pszName; }))
                environment.emplace_back(pszName, pszName[0] == 'W' ? Prefix() : "");
        }
        CProgramRun run = RunProgram(TwkPath(), args, environment);
        for (std::string* pText : {&run.strOut, &run.strErr})
            pText->erase(std::remove(pText->begin(), pText->end(), '\r'), pText->end());
        return run;
    }
    std::string Prefix() const { return m_sim.Path("no prefix"); }

    // The library as the window would show it at start: the titles from the
    // top, "-" before one switched off, then each folder's state.
    std::string Library() const {
        CSceneryHeader header;
        CAreaArray areas;
        CFolderArray folders;
        LoadSceneryCfg(m_sim.Path("scenery.cfg"), header, areas);
        LoadFolders(m_sim.Path("Folder.txt"), folders, areas);
        std::string text;
        for (const CListRow& row : ListRows(areas))
            text += (row.bActive ? "" : "-") + areas.GetAt(row.nArea).GetTitle() + " ";
        for (int f = 0; f < folders.GetSize(); ++f)
            text += folders.GetAt(f).GetName() + "=" + std::to_string(folders.GetAt(f).GetActive());
        return text;
    }

    CTempFolder m_sim;
};

const std::string kStart = "Twin Twin -Town Lake Base Airports=2";

struct CChangeCase {
    std::vector<std::string> args;
    std::string library;
};
// A case is named by its arguments.
void PrintTo(const CChangeCase& c, std::ostream* pOut) {
    *pOut << ::testing::PrintToString(c.args);
}

class TwkChanges : public Twk, public ::testing::WithParamInterface<CChangeCase> {};

} // namespace

TEST_P(TwkChanges, ChangeTheLibraryAsTheWindowDoesAndKeepTheBackup) {
    ASSERT_EQ(Library(), kStart);
    CProgramRun run = Run(GetParam().args);
    EXPECT_EQ(run.nExit, 0) << run.strErr;
    EXPECT_EQ(run.strErr, "");
    EXPECT_EQ(Library(), GetParam().library);
    EXPECT_EQ(m_sim.Read("scenery_bak.twk"), kSceneryCfg);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TwkChanges,
    ::testing::Values(
        CChangeCase{{"disable", "Lake"}, "Twin Twin -Town -Lake Base Airports=0"},
        CChangeCase{{"enable", "town", "#1"}, "Twin Twin Town Lake Base Airports=1"},
        CChangeCase{{"disable", "addon scenery/TWIN A/"}, "Twin -Twin -Town Lake Base Airports=2"},
        CChangeCase{{"move", "Base", "--to", "1"}, "Base Twin Twin -Town Lake Airports=2"},
        CChangeCase{{"move", "#5", "--above", "Town"}, "Twin Twin Base -Town Lake Airports=2"},
        CChangeCase{{"move", "#1", "--below", "Lake"}, "Twin -Town Lake Twin Base Airports=2"},
        CChangeCase{{"add", "Addon Scenery/New", "--title", std::string(300, 'F')},
                    std::string(255, 'F') + " Twin Twin -Town Lake Base Airports=2"},
        CChangeCase{{"remove", "Town", "#1"}, "Twin Lake Base Airports=2"},
        CChangeCase{{"remove", "Base", "--force"}, "Twin Twin -Town Lake Airports=2"},
        CChangeCase{{"rename", "Lake", std::string(300, 'L')},
                    "Twin Twin -Town " + std::string(255, 'L') + " Base Airports=2"},
        CChangeCase{{"scan", "Addon Scenery"},
                    "Town New Lake Twin Twin -Town Lake Base Airports=2"},
        CChangeCase{{"folder", "enable", "airports"}, "Twin Twin Town Lake Base Airports=1"},
        CChangeCase{{"folder", "disable", "Airports", "--json"},
                    "Twin Twin -Town -Lake Base Airports=0"}));

namespace {

struct CRefusalCase {
    std::vector<std::string> args;
    int nExit;
    std::string error; // a part of the one line on standard error
};
void PrintTo(const CRefusalCase& c, std::ostream* pOut) {
    *pOut << ::testing::PrintToString(c.args);
}

class TwkRefusals : public Twk, public ::testing::WithParamInterface<CRefusalCase> {};

} // namespace

TEST_P(TwkRefusals, ChangeNothing) {
    CProgramRun run = Run(GetParam().args);
    EXPECT_EQ(run.nExit, GetParam().nExit) << run.strOut << run.strErr;
    EXPECT_NE(run.strErr.find(GetParam().error), std::string::npos) << run.strErr;
    EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'),
              GetParam().error.empty() ? 0 : 1)
        << run.strErr;
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kSceneryCfg);
    EXPECT_EQ(m_sim.Read("Folder.txt"), kFolderTxt);
    EXPECT_FALSE(std::filesystem::exists(m_sim.Path("scenery_bak.twk")));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TwkRefusals,
    ::testing::Values(CRefusalCase{{}, 2, "no command"},
                      CRefusalCase{{"frobnicate"}, 2, "unknown command frobnicate"},
                      CRefusalCase{{"list", "--bogus"}, 2, "unknown option --bogus"},
                      CRefusalCase{{"enable", "Nowhere"}, 2, "\"Nowhere\" matches no area"},
                      CRefusalCase{{"enable", "twin"},
                                   2,
                                   "matches 2 areas: #1 \"Twin\" (Addon Scenery\\Twin B), #2"},
                      CRefusalCase{{"disable", "Lake", "#9"}, 2, "#9: there is no such row"},
                      CRefusalCase{{"remove", "Base"}, 2, "required"},
                      CRefusalCase{{"rename", "Lake", "Two\nlines"}, 2, "line break"},
                      CRefusalCase{{"add", "Addon Scenery/Empty"}, 2, "is no scenery folder"},
                      CRefusalCase{{"move", "Lake"}, 2, "--to N"},
                      CRefusalCase{{"move", "Lake", "--to", "6"}, 2, "from 1 to 5"},
                      CRefusalCase{{"folder", "enable", "Nope"}, 2, "names no folder"},
                      CRefusalCase{{"enable", "Town", "--dry-run"}, 0, ""},
                      CRefusalCase{{"check"}, 1, ""}, CRefusalCase{{"list", "--json"}, 0, ""},
                      CRefusalCase{{"--version"}, 0, ""}));

TEST_F(Twk, WithoutASimulatorFolderSaysToPassOne) {
    CProgramRun run = RunFinding({"list"}, {{"HOME", m_sim.Path("")}});
    EXPECT_EQ(run.nExit, 2);
    EXPECT_NE(run.strErr.find("pass --sim DIR"), std::string::npos) << run.strErr;
    EXPECT_EQ(RunFinding({"list"}, {{"TARNWICK_SIM", m_sim.Path("nowhere")}}).nExit, 2);
    EXPECT_EQ(RunFinding({"list"}, {{"TARNWICK_SIM", m_sim.Path("")}}).nExit, 0);
}

TEST_F(Twk, AFileThatCannotBeReadIsNeverReplaced) {
    const std::string utf16 = "\xFF\xFE[\0G\0";
    m_sim.Write("scenery.cfg", utf16);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list"}, {"enable", "Lake"}, {"check", "--json"}}) {
        CProgramRun run = Run(args);
        EXPECT_EQ(run.nExit, 3) << args[0];
        EXPECT_EQ(m_sim.Read("scenery.cfg"), utf16);
    }
    EXPECT_NE(Run({"check", "--json"})
                  .strOut.find("{\"code\": \"unreadable-file\", \"severity\": \"error\", "
                               "\"position\": null, \"title\": null, \"local\": null, "
                               "\"file\": \"scenery.cfg\""),
              std::string::npos);
}

TEST_F(Twk, ListsRowsAndFindingsWithStableJsonKeys) {
    CProgramRun list = Run({"list", "--json"});
    EXPECT_NE(list.strOut.find("{\"position\": 4, \"layer\": 2, \"active\": true, \"required\": "
                               "false, \"title\": \"Lake\", \"local\": \"Addon Scenery\\\\Lake\", "
                               "\"folders\": [\"Airports\"]}"),
              std::string::npos)
        << list.strOut;
    CProgramRun check = Run({"check", "--json"});
    EXPECT_NE(check.strOut.find("{\"code\": \"missing-folder\", \"severity\": \"error\", "
                                "\"position\": 1, \"title\": \"Twin\", \"local\": \"Addon "
                                "Scenery\\\\Twin B\", \"file\": null, \"text\": "),
              std::string::npos)
        << check.strOut;
}

TEST_F(Twk, RestoreBackupPutsBackTheFileBeforeTheLastChange) {
    ASSERT_EQ(Run({"disable", "Lake"}).nExit, 0);
    const std::string changed = m_sim.Read("scenery.cfg");
    CProgramRun ask = Run({"restore-backup"});
    EXPECT_EQ(ask.nExit, 2);
    EXPECT_NE(ask.strErr.find("no terminal to ask on"), std::string::npos) << ask.strErr;
    CProgramRun dry = Run({"restore-backup", "--dry-run"});
    EXPECT_EQ(dry.nExit, 0);
    EXPECT_NE(dry.strOut.find("switched on: \"Lake\""), std::string::npos) << dry.strOut;
    EXPECT_EQ(m_sim.Read("scenery.cfg"), changed);
    EXPECT_EQ(Run({"restore-backup", "--yes"}).nExit, 0);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kSceneryCfg);
}

#ifndef _WIN32
// Natively, without --sim: the folder the simulator's key in a 64-bit Wine
// prefix names, through its drive G:; the files found without regard to
// case and written over; titles in the code page shown and taken in UTF-8.
TEST_F(Twk, FindsTheSimulatorThroughTheWinePrefix) {
    CTempFolder prefix;
    std::filesystem::create_directories(prefix.Path("dosdevices"));
    std::filesystem::create_directory_symlink(m_sim.Path(""), prefix.Path("dosdevices/g:"));
    prefix.Write("system.reg", "WINE REGISTRY Version 2\n\n#arch=win64\n\n"
                               "[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games"
                               "\\\\Flight Simulator\\\\9.0] 1\n\"Exe Path\"=\"g:\\\\\"\n");
    std::string library = kSceneryCfg;
    library.replace(library.find("Title=Town"), 10, "Title=T\xF6wn");
    std::filesystem::remove(m_sim.Path("scenery.cfg"));
    m_sim.Write("SCENERY.CFG", library);
    const std::vector<std::pair<std::string, std::string>> environment = {
        {"WINEPREFIX", prefix.Path("")}};
    CProgramRun list = RunFinding({"list"}, environment);
    EXPECT_EQ(list.nExit, 0) << list.strErr;
    EXPECT_NE(list.strOut.find("T\xC3\xB6wn"), std::string::npos) << list.strOut;
    EXPECT_EQ(RunFinding({"enable", "T\xC3\xB6wn"}, environment).nExit, 0);
    EXPECT_FALSE(std::filesystem::exists(m_sim.Path("scenery.cfg")));
    EXPECT_NE(m_sim.Read("SCENERY.CFG").find("Title=T\xF6wn\r\nLayer=3\r\nActive=TRUE"),
              std::string::npos);
    m_sim.Write("Scenery.cfg", library);
    CProgramRun both = RunFinding({"list"}, environment);
    EXPECT_EQ(both.nExit, 3);
    EXPECT_NE(both.strErr.find("names both SCENERY.CFG and Scenery.cfg"), std::string::npos)
        << both.strErr;
}

// Natively, errors name folders by the Linux paths they lead to, not as the
// files store them (Z:\tmp\...).
TEST_F(Twk, ErrorsNameFoldersByTheirLinuxPaths) {
    const std::string sim = std::filesystem::canonical(m_sim.Path("")).string();
    const std::pair<CProgramRun, std::string> runs[] = {
        {Run({"add", "Addon Scenery\\Empty"}), ": " + sim + "/Addon Scenery/Empty is no scenery"},
        {RunFinding({"list"}, {{"TARNWICK_SIM", "Z:" + sim + "/gone"}}),
         "folder " + sim + "/gone (from TARNWICK_SIM) does not exist"}};
    for (const auto& [run, error] : runs)
        EXPECT_NE(run.strErr.find(error), std::string::npos) << run.strErr;
}
#endif
