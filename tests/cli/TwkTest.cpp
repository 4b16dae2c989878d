#include "Twk.h"
#include "AllocationFailure.h"
#include "BglWriter.h"
#include "InterruptedSave.h"
#include "Output.h"
#include "RunProgram.h"
#include "Session.h"
#include "TempFolder.h"
#include "TestDisk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <optional>
#include <sstream>

namespace {

// Rows from the top: #1 Twin (B), #2 Twin (A), #3 Town (off), #4 Lake, #5 Base
// (required). Lake, Town and Base have scenery folders; New is one not listed
// yet, Empty is none. The folder Airports holds Lake and Town. Airports: KLAK
// in Base and in Lake, which hides it; KTWN in Lake and in Town, which also
// holds a damaged file.
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

// A case's name for the test runner: the letters and digits of its words,
// and its place in its table.
std::string CaseName(const std::vector<std::string>& words, std::size_t nIndex) {
    std::string name;
    for (const std::string& word : words) {
        std::copy_if(word.begin(), word.end(), std::back_inserter(name),
                     [](unsigned char c) { return std::isalnum(c); });
        name += '_';
    }
    return name + std::to_string(nIndex);
}

using ::testing::IsSubstring;

// Whether twk ended with the exit status given, its standard error holding
// the text given.
::testing::AssertionResult ExitedSaying(const CProgramRun& run, int nExit,
                                        const std::string& error) {
    if (run.nExit != nExit)
        return ::testing::AssertionFailure() << "exit status " << run.nExit << ": " << run.strErr;
    return IsSubstring("error", "run.strErr", error, run.strErr);
}

class Twk : public ::testing::Test {
protected:
    Twk() {
#ifndef _WIN32
        // None, as in twk's runs here, for the tests that run it in-process.
        ::setenv("WINEPREFIX", Prefix().c_str(), 1);
#endif
        m_sim.Write("scenery.cfg", kSceneryCfg);
        m_sim.Write("Folder.txt", kFolderTxt);
        const CTestAirport town{"KTWN", "Town Field"};
        const std::vector<std::pair<const char*, std::vector<CTestAirport>>> folders = {
            {"Scenery/Base", {{"KLAK", "Lake"}}},
            {"Addon Scenery/Lake", {{"KLAK", "Lake", 0, 0, 0xFF}, town}},
            {"Addon Scenery/Town", {town}},
            {"Addon Scenery/New", {}}};
        for (const auto& [folder, airports] : folders)
            m_sim.Write(std::string(folder) + "/scenery/x.BGL", MakeBglFile(airports));
        m_sim.Write("Addon Scenery/Town/scenery/bad.bgl", std::string(4, '\0'));
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
    std::string Prefix() const {
        return m_sim.Path("no prefix");
    }

    // The library as the window would show it at start: the titles from the
    // top, "-" before one switched off, then each folder's state.
    std::string Library() const {
        const CTestDisk disk(m_sim.Path(""));
        CLibraryDocument doc;
        doc.Open(disk.SimPath(), disk.Disk());
        std::string text;
        for (const CListRow& row : doc.Rows())
            text += (row.bActive ? "" : "-") + doc.Area(row.nArea).GetTitle() + " ";
        for (int f = 0; f < doc.Folders().GetSize(); ++f)
            text += doc.Folders().GetAt(f).GetName() + "=" +
                    std::to_string(doc.Folders().GetAt(f).GetActive());
        return text;
    }

    CTempFolder m_sim;
};

const std::string kStart = "Twin Twin -Town Lake Base Airports=2";

// A file no twk command can read, which it must never replace.
const std::string kUtf16 = std::string("\xFF\xFE[\0G\0", 6);

// Quiet lists Lake and Town (in that order) and an area the library does not
// hold, and keeps a key of its own; Flying is the areas on now, Base
// included, top row first.
const std::string kQuiet = "[Quiet]\r\nTitle.0=Lake\r\nLocal.0=Addon Scenery\\Lake\r\n"
                           "Title.1=Town\r\nLocal.1=Addon Scenery\\Town\r\n"
                           "Title.2=Gone\r\nLocal.2=Addon Scenery\\Gone\r\nNote=mine\r\n";
const std::string kFlying = "[Flying]\r\nTitle.0=Twin\r\nLocal.0=Addon Scenery\\Twin B\r\n"
                            "Title.1=Twin\r\nLocal.1=Addon Scenery\\Twin A\r\n"
                            "Title.2=Lake\r\nLocal.2=Addon Scenery\\Lake\r\n"
                            "Title.3=Base\r\nLocal.3=Scenery\\Base\r\n";
const std::string kProfilesTxt = kQuiet + kFlying;
const std::string kGoneWarning = "twk: warning: the profile \"Quiet\" names \"Gone\" (Addon "
                                 "Scenery\\Gone), which the library does not hold; the entry "
                                 "is kept\n";

struct CChangeCase {
    std::vector<std::string> args;
    std::string library;
    std::string output = {};      // a part of standard output
    std::string profilesTxt = {}; // written first when any, and kept as it was
    std::string error = {};       // a part of standard error, else none
};
struct CRunCase {
    std::vector<std::string> args;
    int nExit;
    std::string error;                             // a part of the one line on standard error
    std::string output = {};                       // a part of standard output, else none
    std::optional<std::string> profilesAfter = {}; // when the run rewrites Profiles.txt
    std::string sceneryCfg = kSceneryCfg;          // written first
    std::string profilesTxt = {};                  // written first when any
    bool bBackupIsADirectory = false;              // so that no backup can be written
};

// The cases of the profile commands, run with kProfilesTxt unless they name
// another.
std::vector<CRunCase> WithProfiles(std::vector<CRunCase> cases) {
    for (CRunCase& c : cases)
        c.profilesTxt = c.profilesTxt.empty() ? kProfilesTxt : c.profilesTxt;
    return cases;
}

// A case as the test runner names and shows it: by its arguments.
void PrintTo(const CChangeCase& c, std::ostream* pOut) {
    *pOut << ::testing::PrintToString(c.args);
}
void PrintTo(const CRunCase& c, std::ostream* pOut) {
    *pOut << ::testing::PrintToString(c.args);
}
const auto kNamedByArgs = [](const auto& info) { return CaseName(info.param.args, info.index); };

class TwkChanges : public Twk, public ::testing::WithParamInterface<CChangeCase> {};
class TwkKeepsTheLibrary : public Twk, public ::testing::WithParamInterface<CRunCase> {};
// A command's name, a group's first word, or none for the program's help.
class TwkHelp : public Twk, public ::testing::WithParamInterface<std::string> {};

} // namespace

TEST_P(TwkChanges, ChangeTheLibraryAsTheWindowDoesAndKeepTheBackup) {
    const CChangeCase& c = GetParam();
    if (!c.profilesTxt.empty())
        m_sim.Write("Profiles.txt", c.profilesTxt);
    const CProgramRun run = Run(c.args);
    EXPECT_TRUE(ExitedSaying(run, 0, c.error));
    EXPECT_EQ(run.strErr.empty(), c.error.empty()) << run.strErr;
    EXPECT_PRED_FORMAT2(IsSubstring, c.output, run.strOut);
    EXPECT_EQ(Library(), c.library);
    EXPECT_EQ(m_sim.Read("scenery_bak.twk"), kSceneryCfg);
    EXPECT_EQ(m_sim.Read("Profiles.txt"), c.profilesTxt);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TwkChanges,
    ::testing::Values(
        CChangeCase({"--json", "disable", "Lake"}, "Twin Twin -Town -Lake Base Airports=0",
                    "[\n  {\"change\": \"off\", \"position\": 4, \"title\": \"Lake\", \"local\": "
                    "\"Addon Scenery\\\\Lake\", \"from\": null, \"folder\": null, \"written\": "
                    "true}\n]\n"),
        // Only the profile commands need Profiles.txt.
        CChangeCase({"enable", "town", "#1"}, "Twin Twin Town Lake Base Airports=1", "", kUtf16,
                    "Profiles.txt could not be read, so it was left as it is\n"),
        CChangeCase({"disable", "addon scenery/TWIN A/"}, "Twin -Twin -Town Lake Base Airports=2"),
        CChangeCase({"move", "Base", "--to", "1"}, "Base Twin Twin -Town Lake Airports=2"),
        CChangeCase({"--json", "move", "#5", "--above", "Town"},
                    "Twin Twin Base -Town Lake Airports=2", "\"from\": 5, "),
        CChangeCase({"move", "#1", "--below", "Lake"}, "Twin -Town Lake Twin Base Airports=2"),
        CChangeCase({"add", "Addon Scenery/New", "--title", std::string(255, 'F')},
                    std::string(255, 'F') + " Twin Twin -Town Lake Base Airports=2"),
        CChangeCase({"add", "Addon Scenery/lake", "--force"},
                    "lake Twin Twin -Town Lake Base Airports=2"),
        CChangeCase({"remove", "Town", "#1"}, "Twin Lake Base Airports=2"),
        CChangeCase({"remove", "Base", "--force"}, "Twin Twin -Town Lake Airports=2"),
        CChangeCase({"disable", "Base", "Lake", "--force"},
                    "Twin Twin -Town -Lake -Base Airports=0"),
        CChangeCase({"rename", "Lake", "Pond", "--json"}, "Twin Twin -Town Pond Base Airports=2",
                    "\"from\": \"Lake\", "),
        CChangeCase({"scan", "Addon Scenery"}, "New Twin Twin -Town Lake Base Airports=2",
                    "already in the library: #5 \"Lake\"\nalready in the library: #4 "
                    "\"Town\"\n1 added, 2 already in the library\n"),
        CChangeCase({"scan", "Addon Scenery", "--force"},
                    "Town New Lake Twin Twin -Town Lake Base Airports=2"),
        CChangeCase({"folder", "enable", "airports"}, "Twin Twin Town Lake Base Airports=1"),
        CChangeCase({"folder", "disable", "Airports", "--json"},
                    "Twin Twin -Town -Lake Base Airports=0"),
        CChangeCase({"airports", "resolve", "KTWN", "--use", "Town", "--others-off"},
                    "Twin Twin Town -Lake Base Airports=2",
                    "  Switch \"Lake\" off (1 scenery file, 1 other airport)\n"),
        // Base is required: Lake goes below it, and the stock KLAK is used.
        CChangeCase({"--json", "airports", "resolve", "KLAK", "--use", "Base", "--move", "others"},
                    "Twin Twin -Town Base Lake Airports=2",
                    "\"way\": \"move-others\", \"steps\": [\"Move \\\"Lake\\\" below "
                    "\\\"Base\\\"\"], \"notes\": [\"KLAK of \\\"Lake\\\" merges into it all "
                    "the same: the chosen definition does not delete the airport loaded before "
                    "it.\"], \"airports\": [], \"changes\": [{\"change\": \"move\", "
                    "\"position\": 5, "),
        // The entry naming no area is a warning; the profiles stay as they are.
        CChangeCase({"profile", "apply", "Quiet"}, "-Twin -Twin Town Lake Base Airports=1", "",
                    kProfilesTxt, kGoneWarning)),
    kNamedByArgs);

// A refusal, a command that only shows, or one of the profiles: scenery.cfg
// and Folder.txt stay as they are, with no backup taken.
TEST_P(TwkKeepsTheLibrary, WhenItRefusesShowsOrChangesOnlyProfilesTxt) {
    const CRunCase& c = GetParam();
    m_sim.Write("scenery.cfg", c.sceneryCfg);
    if (!c.profilesTxt.empty())
        m_sim.Write("Profiles.txt", c.profilesTxt);
    if (c.bBackupIsADirectory)
        std::filesystem::create_directory(m_sim.Path("scenery_bak.twk"));
    const CProgramRun run = Run(c.args);
    EXPECT_TRUE(ExitedSaying(run, c.nExit, c.error)) << run.strOut;
    EXPECT_EQ(std::ranges::count(run.strErr, '\n'), c.error.empty() ? 0 : 1) << run.strErr;
    EXPECT_PRED_FORMAT2(IsSubstring, c.output, run.strOut);
    EXPECT_EQ(run.strOut.empty(), c.output.empty()) << run.strOut;
    EXPECT_EQ(m_sim.Read("scenery.cfg"), c.sceneryCfg);
    EXPECT_EQ(m_sim.Read("Folder.txt"), kFolderTxt);
    EXPECT_EQ(m_sim.Read("Profiles.txt"), c.profilesAfter.value_or(c.profilesTxt));
    EXPECT_FALSE(std::filesystem::is_regular_file(m_sim.Path("scenery_bak.twk")));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, TwkKeepsTheLibrary,
    ::testing::Values(
        CRunCase({}, 2, "no command"), CRunCase({"frobnicate"}, 2, "unknown command frobnicate"),
        CRunCase({"list", "--bogus"}, 2, "unknown option --bogus"),
        CRunCase({"list", "-n"}, 2, "unknown option -n"),
        CRunCase({"--sim=", "list"}, 2, "the option --sim needs a folder"),
        CRunCase({"help", "frobnicate"}, 2, "unknown command frobnicate"),
        CRunCase({"list", "--yes"}, 2, "list takes no option --yes"),
        CRunCase({"folder", "list", "x"}, 2, "usage: twk folder list"),
        CRunCase({"enable", "Nowhere"}, 2, "\"Nowhere\" matches no area"),
        CRunCase({"enable", "twin"}, 2, "matches 2 areas: #1 \"Twin\" (Addon Scenery\\Twin B), #2"),
        CRunCase({"disable", "Lake", "#9"}, 2, "#9: there is no such row"),
        CRunCase({"remove", "Base"}, 2, "required"),
        CRunCase({"disable", "Lake", "Base"}, 2,
                 "\"Base\" is required by the simulator, so nothing was switched off; --force "
                 "switches it off all the same"),
        CRunCase({"add", "Addon Scenery/Lake/"}, 2,
                 "Lake is already in the library as \"Lake\"; --force adds it "
                 "again"),
        CRunCase({"add", "Addon Scenery/New", "--title", std::string(256, 'F')}, 2,
                 "TITLE: a title holds at most 255 characters, this one 256"),
        CRunCase({"rename", "Lake", ""}, 2, "TITLE: an area needs a title"),
        CRunCase({"rename", "Lake", "Two\nlines"}, 2, "line break"),
        CRunCase({"add", "Addon Scenery/Empty"}, 2, "is no scenery folder"),
        CRunCase({"move", "Lake"}, 2, "--to N"),
        CRunCase({"move", "Lake", "--to", "6"}, 2, "from 1 to 5"),
        CRunCase({"folder", "enable", "Nope"}, 2, "names no folder"),
        CRunCase({"disable", "Lake"}, 3, "scenery_bak.twk: cannot be written", "", {}, kSceneryCfg,
                 {}, true),
        // Another file under scenery.cfg's name is no library.
        CRunCase({"enable", "Lake"}, 3,
                 "scenery.cfg: cannot be read: holds no [General] or area section", "", {},
                 "Some notes\r\n"),
        CRunCase({"check", "--json"}, 1, "",
                 "{\"code\": \"unreadable-file\", \"severity\": \"error\", "
                 "\"position\": null, \"title\": null, \"local\": null, \"file\": \"scenery.cfg\"",
                 {}, kUtf16),
        CRunCase({"enable", "Town", "--dry-run"}, 0, "", "would switch on: #3 \"Town\""),
        CRunCase({"check", "--json"}, 1, "",
                 "{\"code\": \"missing-folder\", \"severity\": \"error\", \"position\": 1, "
                 "\"title\": \"Twin\", \"local\": \"Addon Scenery\\\\Twin B\", \"file\": null, "
                 "\"text\": "),
        CRunCase({"list", "--json"}, 0, "",
                 "{\"position\": 4, \"layer\": 2, \"active\": true, \"required\": false, "
                 "\"title\": \"Lake\", \"local\": \"Addon Scenery\\\\Lake\", \"folders\": "
                 "[\"Airports\"]}",
                 {}, kSceneryCfg, kUtf16),
        CRunCase({"folder", "list"}, 0, "",
                 "\"Airports\" mixed, 2 areas\n    #4 \"Lake\" (Addon Scenery\\Lake)\n"
                 "    #3 \"Town\" (Addon Scenery\\Town)\n"),
        CRunCase({"folder", "list", "--json"}, 0, "",
                 "[\n  {\"name\": \"Airports\", \"state\": \"mixed\", \"areas\": [{\"position\": "
                 "4, \"title\": \"Lake\", \"local\": \"Addon Scenery\\\\Lake\"}, {\"position\": "
                 "3, \"title\": \"Town\", \"local\": \"Addon Scenery\\\\Town\"}]}\n]\n"),
        CRunCase({"airports"}, 0, "", "No airport conflicts found.\n"),
        CRunCase(
            {"check"}, 1, "", "\n  see: twk airports KTWN\n", {},
            std::string(kSceneryCfg).replace(kSceneryCfg.find("Active=FALSE"), 12, "Active=TRUE")),
        CRunCase({"airports", "klak", "zzzz", "--json"}, 0, "",
                 "\"use\": \"hidden\"}, {\"position\": 4, \"title\": \"Lake\", \"local\": "
                 "\"Addon Scenery\\\\Lake\", \"file\": \"x.BGL\", \"active\": true, \"use\": "
                 "\"used\"}]},\n  {\"ident\": \"ZZZZ\", \"name\": null, \"used\": null, "
                 "\"definitions\": []}\n]\n"),
        CRunCase({"airports", "resolve", "KTWN", "--use", "Town"}, 2,
                 "KTWN: the others would still merge into it, so nothing changed; --others-off"),
        CRunCase({"airports", "resolve", "KLAK", "--use", "Lake"}, 0, "",
                 "  \"Lake\" is the one the simulator uses already.\nOther airports it changes: "
                 "none\nnothing to change\n"),
        CRunCase({"airports", "resolve", "KLAK", "--use", "Base", "--move", "use"}, 2,
                 "KLAK: move-use cannot be taken: it would move \"Base\", which the simulator "
                 "requires"),
        CRunCase({"airports", "resolve", "ZZZZ", "--use", "Lake"}, 2,
                 "ZZZZ: no area defines this airport"),
        CRunCase({"airports", "resolve", "KTWN"}, 2, "give --use AREA"),
        CRunCase({"airports", "resolve", "KTWN", "--use", "Town", "--move", "up"}, 2,
                 "--move up: give --move use or --move others"),
        CRunCase({"airports", "resolve", "KTWN", "--use", "Town", "--move", "use", "--others-off"},
                 2, "give --move or --others-off, not both"),
        CRunCase({"--help"}, 0, "", "usage: twk [--sim DIR] [--json] [--dry-run] COMMAND"),
        CRunCase({"--version"}, 0, "", "twk ")),
    kNamedByArgs);

INSTANTIATE_TEST_SUITE_P(
    Profiles, TwkKeepsTheLibrary,
    ::testing::ValuesIn(WithProfiles(
        {CRunCase({"profile", "list"}, 0, "", "\"Quiet\" 2 areas\n\"Flying\" 4 areas, current\n"),
         CRunCase({"profile", "list", "--json"}, 0, "",
                  "[\n  {\"name\": \"Quiet\", \"areas\": 2, \"current\": false},\n"
                  "  {\"name\": \"Flying\", \"areas\": 4, \"current\": true}\n]\n"),
         CRunCase({"profile", "show", "QUIET"}, 0, "",
                  "\"Quiet\" 2 areas\n    #3 \"Town\" (Addon Scenery\\Town)\n"
                  "    #4 \"Lake\" (Addon Scenery\\Lake)\n"
                  "    missing \"Gone\" (Addon Scenery\\Gone)\n"),
         CRunCase({"profile", "show", "quiet", "--json"}, 0, "",
                  "{\"name\": \"Quiet\", \"current\": false, \"areas\": [{\"position\": 3, "
                  "\"title\": \"Town\", \"local\": \"Addon Scenery\\\\Town\"}, {\"position\": 4, "
                  "\"title\": \"Lake\", \"local\": \"Addon Scenery\\\\Lake\"}], \"missing\": "
                  "[{\"title\": \"Gone\", \"local\": \"Addon Scenery\\\\Gone\"}]}\n"),
         CRunCase({"profile", "save", "Calm"}, 0, "", "saved the profile \"Calm\" (4 areas)\n",
                  kProfilesTxt + "[Calm]" + kFlying.substr(8)),
         CRunCase({"profile", "save", "quiet", "--force"}, 0, "",
                  "saved the profile \"quiet\" (4 areas)\n",
                  "[quiet]" + kFlying.substr(8) + "Note=mine\r\n" + kFlying),
         CRunCase({"profile", "save", "Flying", "--force"}, 0, "",
                  "the profile \"Flying\" already holds the areas on; nothing to change\n"),
         CRunCase({"profile", "rename", "flying", "Up"}, 0, "",
                  "renamed the profile \"Flying\" to \"Up\" (4 areas)\n",
                  kQuiet + "[Up]" + kFlying.substr(8)),
         CRunCase({"--json", "profile", "rename", "quiet", "QUIET"}, 0, "",
                  "{\"change\": \"rename\", \"name\": \"QUIET\", \"from\": \"Quiet\", "
                  "\"areas\": 2, \"written\": true}\n",
                  "[QUIET]" + kQuiet.substr(7) + kFlying),
         CRunCase({"profile", "delete", "Quiet"}, 0, "",
                  "deleted the profile \"Quiet\" (2 areas)\n", kFlying),
         CRunCase({"profile", "delete", "Quiet", "--dry-run"}, 0, "",
                  "would delete the profile \"Quiet\" (2 areas)\n"),
         // The entry naming no area is a warning beside the changes.
         CRunCase({"--json", "--dry-run", "profile", "apply", "quiet"}, 0, kGoneWarning,
                  "[\n  {\"change\": \"off\", \"position\": 1, "),
         CRunCase({"profile"}, 2, "profile takes list, show NAME, save NAME [--force], apply NAME"),
         CRunCase({"profile", "show", "Nope"}, 2,
                  "NAME \"Nope\" names no profile; the profiles: \"Quiet\", \"Flying\""),
         CRunCase({"profile", "save", "QUIET"}, 2, "\"Quiet\"; --force replaces it"),
         CRunCase({"profile", "rename", "Quiet", "flying"}, 2,
                  "NAME \"flying\": there is already a profile named \"Flying\""),
         CRunCase({"profile", "apply", "Quiet"}, 3, "Profiles.txt: cannot be read: ", "", {},
                  kSceneryCfg, kUtf16)})),
    kNamedByArgs);

// As "twk help X" and as "twk X --help", by turns.
TEST_P(TwkHelp, TellsTheUsageOfWhatItNamesInEightyColumns) {
    std::istringstream name(GetParam());
    std::vector<std::string> args(std::istream_iterator<std::string>(name), {});
    if (args.size() % 2)
        args.push_back("--help");
    else
        args.insert(args.begin(), "help");
    CProgramRun run = Run(args);
    EXPECT_EQ(run.nExit, 0);
    EXPECT_PRED_FORMAT2(IsSubstring, "usage: twk [--sim DIR] ", run.strOut);
    EXPECT_PRED_FORMAT2(IsSubstring, "] " + GetParam(), run.strOut);
    std::istringstream lines(run.strOut);
    for (std::string line; std::getline(lines, line);)
        EXPECT_LE(line.size(), 80u) << line;
}

std::vector<std::string> HelpTopics() {
    std::vector<std::string> topics = CommandNames();
    topics.insert(topics.end(), {"folder", "profile", ""});
    return topics;
}

INSTANTIATE_TEST_SUITE_P(Topics, TwkHelp, ::testing::ValuesIn(HelpTopics()),
                         [](const auto& info) { return CaseName({info.param}, info.index); });

// On a terminal a listing's lines are cut in their middle to its width; a
// pipe (width 0) gets them whole.
TEST(TwkOutput, LinesAreCutInTheirMiddleOnlyToAWidthGiven) {
    for (const auto& [pszText, nWidth, pszFitted] :
         std::initializer_list<std::tuple<const char*, std::size_t, const char*>>{
             {"abcdefghij", 7, "ab...ij"},
             {"abcdefghij", 10, "abcdefghij"},
             {"abcdefghij", 2, "ab"},
             {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 4, "\xC3\xA9..."},
             {"abcdefghij\nab", 5, "a...j\nab"},
             {"abcdefghij\nab", 0, "abcdefghij\nab"}})
        EXPECT_EQ(FittedLines(pszText, nWidth), pszFitted) << pszText << " " << nWidth;
}

TEST_F(Twk, BackupSetsAreListedShownAndRestoredOnlyWhenAskedFor) {
    ASSERT_EQ(Run({"disable", "Lake"}).nExit, 0);
    EXPECT_PRED_FORMAT2(IsSubstring, "    1  ", Run({"backup", "list"}).strOut);
    const CProgramRun shown = Run({"backup", "show", "0001"});
    EXPECT_EQ(shown.nExit, 0) << shown.strErr;
    EXPECT_PRED_FORMAT2(IsSubstring, "  \"Lake\" (Addon Scenery\\Lake) switches on\n",
                        shown.strOut);
    for (const auto& [args, nExit, error] :
         std::vector<std::tuple<std::vector<std::string>, int, std::string>>{
             {{"backup", "restore", "1"}, 2, "no terminal to ask on; --yes restores the set"},
             {{"backup", "show", "2"}, 2, "NUMBER 2: there is no backup set of that number"},
             {{"backup", "restore", "1", "--dry-run"}, 0, ""}})
        EXPECT_TRUE(ExitedSaying(Run(args), nExit, error)) << ::testing::PrintToString(args);
    EXPECT_EQ(Library(), "Twin Twin -Town -Lake Base Airports=0");
    EXPECT_EQ(Run({"backup", "restore", "1", "--yes"}).nExit, 0);
    EXPECT_EQ(Library(), kStart);
    EXPECT_PRED_FORMAT2(IsSubstring, "    2  ", Run({"backup", "list"}).strOut);
    // A set that cannot be kept stops the write, unless told.
    std::filesystem::remove_all(m_sim.Path("Tarnwick backups"));
    m_sim.Write("Tarnwick backups", "");
    EXPECT_TRUE(ExitedSaying(Run({"disable", "Lake"}), 3, "; --no-backup writes without one"));
    EXPECT_EQ(Run({"disable", "Lake", "--no-backup"}).nExit, 0);
    EXPECT_EQ(Library(), "Twin Twin -Town -Lake Base Airports=0");
}

TEST_F(Twk, WithoutASimulatorFolderSaysToPassOne) {
    EXPECT_TRUE(
        ExitedSaying(RunFinding({"list"}, {{"HOME", m_sim.Path("")}}), 2, "pass --sim DIR"));
    EXPECT_EQ(RunFinding({"list"}, {{"TARNWICK_SIM", m_sim.Path("nowhere")}}).nExit, 2);
    EXPECT_EQ(RunFinding({"list"}, {{"TARNWICK_SIM", m_sim.Path("")}}).nExit, 0);
    // What is wrong with the folder given, and where a Windows path was
    // looked for.
    std::vector<std::pair<std::vector<std::string>, std::string>> said = {
        {{"--sim", m_sim.Path("scenery.cfg"), "list"},
         "scenery.cfg: a file, not a folder; give the folder that holds scenery.cfg"},
        {{"--sim", m_sim.Path("nowhere"), "list"}, "nowhere: no such folder"}};
#ifndef _WIN32
    said.push_back({{"--sim", "C:\\Nowhere", "list"},
                    "C:\\Nowhere\\ (from --sim) does not exist in the Wine prefix " + Prefix() +
                        " (WINEPREFIX)"});
#endif
    for (const auto& [args, text] : said)
        EXPECT_TRUE(ExitedSaying(RunFinding(args, {}), 2, text));
}

// The backup differs from scenery.cfg: Old instead of Base, Lake off, Town on.
// Base leaves the profile that holds it; Profiles.txt stays as it is.
TEST_F(Twk, RestoreBackupTellsWhatWouldChangeThenPutsItBack) {
    const std::string profiles = "[Home]\r\nTitle.0=Base\r\nLocal.0=Scenery\\Base\r\n";
    m_sim.Write("Profiles.txt", profiles);
    std::string backup = kSceneryCfg;
    for (const auto& [from, to] :
         {std::pair{"Title=Base\r\nLocal=Scenery\\Base", "Title=Old\r\nLocal=Addon Scenery\\Old"},
          {"Lake\r\nLayer=2\r\nActive=TRUE", "Lake\r\nLayer=2\r\nActive=FALSE"},
          {"Town\r\nLayer=3\r\nActive=FALSE", "Town\r\nLayer=3\r\nActive=TRUE"}})
        backup.replace(backup.find(from), std::string_view(from).size(), to);
    m_sim.Write("scenery_bak.twk", backup);
    EXPECT_TRUE(ExitedSaying(Run({"restore-backup"}), 2, "no terminal to ask on"));
    CProgramRun dry = Run({"restore-backup", "--dry-run"});
    EXPECT_EQ(dry.nExit, 0);
    EXPECT_TRUE(dry.strOut.starts_with(
        "is switched off: \"Lake\" (Addon Scenery\\Lake)\n"
        "comes back: \"Old\" (Addon Scenery\\Old)\n"
        "is switched on: \"Town\" (Addon Scenery\\Town)\n"
        "goes: \"Base\" (Scenery\\Base)\n"
        "leaves the profile \"Home\": \"Base\" (Scenery\\Base)\n"
        "only scenery.cfg comes back; folders and profiles stay as they are\nwould put "))
        << dry.strOut;
    EXPECT_TRUE(dry.strOut.ends_with("scenery_bak.twk back as " + m_sim.Path("scenery.cfg") + "\n"))
        << dry.strOut;
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kSceneryCfg);
    EXPECT_EQ(Run({"restore-backup", "--yes"}).nExit, 0);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), backup);
    EXPECT_EQ(m_sim.Read("Profiles.txt"), profiles);
}

// Between twk's read and its write another program changes a file: twk
// names it and leaves it as that program wrote it.
TEST_F(Twk, LeavesAFileChangedWhileItWorksAsTheOtherProgramWroteIt) {
    for (const char* pszFile : {"scenery.cfg", "Folder.txt"}) {
        CSession session;
        ASSERT_EQ(session.Open(m_sim.Path(""), EOpen::kReads, false), kExitDone);
        const std::string theirs = m_sim.Read(pszFile) + "[Theirs]\r\n";
        m_sim.Write(pszFile, theirs);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(session.Finish(session.Doc().SetAreasActive(std::vector{1}, false), false, false),
                  kExitFile);
        EXPECT_PRED_FORMAT2(IsSubstring, pszFile + std::string(" changed while twk was working"),
                            ::testing::internal::GetCapturedStderr());
        EXPECT_EQ(m_sim.Read(pszFile), theirs);
        EXPECT_FALSE(std::filesystem::exists(m_sim.Path("scenery_bak.twk")));
    }
}

// Wherever memory runs out, an airport command ends saying so in one line,
// exit status 3, or goes on without the file it was reading.
TEST_F(Twk, RunningOutOfMemoryAnywhereEndsTheAirportCommandsSayingSo) {
    for (const char* pszCommand : {"airports", "check"}) {
        const std::vector<std::string> args = {"--sim", m_sim.Path(""), pszCommand};
        // Every allocation of the first hundred, then one in seven: a run
        // makes some thousands.
        for (std::size_t nNth = 1;; nNth += nNth < 100 ? 1 : 7) {
            ::testing::internal::CaptureStdout();
            ::testing::internal::CaptureStderr();
            int nExit = 0;
            const bool bCame = FailAllocation(nNth, [&] { nExit = RunTwk(args); });
            ::testing::internal::GetCapturedStdout();
            const std::string error = ::testing::internal::GetCapturedStderr();
            if (!bCame)
                break;
            EXPECT_TRUE(nExit <= kExitFindings || error == "twk: not enough memory\n" ||
                        error == "twk: not enough memory to index the airports\n")
                << nNth << ": " << nExit << " " << error;
        }
    }
}

// The user's protection of a file, and a write that died midway: twk says
// each in one line and leaves the library as it was before.
TEST_F(Twk, RefusesReadOnlyFilesAndUndoesAWriteThatDied) {
    std::filesystem::permissions(m_sim.Path("scenery.cfg"), std::filesystem::perms::owner_read);
    EXPECT_TRUE(
        ExitedSaying(Run({"disable", "#2"}), 3, "scenery.cfg is read-only; nothing written"));
    std::filesystem::permissions(m_sim.Path("scenery.cfg"), std::filesystem::perms::owner_all);
    LeaveAnInterruptedSave(m_sim.Path(""));
    EXPECT_NE(m_sim.Read("scenery.cfg"), kSceneryCfg);
    EXPECT_PRED_FORMAT2(
        IsSubstring,
        "an interrupted write was undone: the library's files are as they were before it",
        Run({"list"}).strErr);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kSceneryCfg);
}

#ifndef _WIN32
// Natively, without --sim: the folder the simulator's key in a 64-bit Wine
// prefix names, through its drive G:; the files found without regard to
// case and written over, two differing only in case refused; titles in the
// code page shown and taken in UTF-8.
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
    EXPECT_PRED_FORMAT2(IsSubstring, "T\xC3\xB6wn", list.strOut);
    EXPECT_EQ(RunFinding({"enable", "T\xC3\xB6wn"}, environment).nExit, 0);
    EXPECT_FALSE(std::filesystem::exists(m_sim.Path("scenery.cfg")));
    EXPECT_PRED_FORMAT2(IsSubstring, "Title=T\xF6wn\r\nLayer=3\r\nActive=TRUE",
                        m_sim.Read("SCENERY.CFG"));
    m_sim.Write("Scenery.cfg", library);
    EXPECT_TRUE(ExitedSaying(RunFinding({"list"}, environment), 3,
                             "names both SCENERY.CFG and Scenery.cfg"));
}

// Natively, errors and the check's findings name folders by the Linux paths
// they lead to, not as the files store them (Z:\tmp\...).
TEST_F(Twk, NamesFoldersByTheirLinuxPaths) {
    const std::string sim = std::filesystem::canonical(m_sim.Path("")).string();
    const std::string twinB = "the folder " + sim + "/Addon Scenery/Twin B does not exist";
    const std::pair<CProgramRun, std::string> runs[] = {
        {Run({"add", "Addon Scenery\\Empty"}), ": " + sim + "/Addon Scenery/Empty is no scenery"},
        {RunFinding({"list"}, {{"TARNWICK_SIM", "Z:" + sim + "/gone"}}),
         "folder " + sim + "/gone (from TARNWICK_SIM) does not exist"},
        {Run({"check"}), "#1 \"Twin\": " + twinB + "\n  fix: twk remove \"#1\"\n"},
        {Run({"check", "--json"}), "\"text\": \"" + twinB + "\"}"}};
    for (const auto& [run, text] : runs)
        EXPECT_PRED_FORMAT2(IsSubstring, text, run.strErr + run.strOut);
}
#endif
