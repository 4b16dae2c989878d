#include "LibraryDifferences.h"

#include "LibraryOnDisk.h"

namespace {

// "A": an area titled A at the local path A; "-A" switched off; "New@K"
// titled New at the local path K. The keys end in the suffix: ".0" in a list.
std::string Entry(const std::string& note, const std::string& suffix) {
    const std::size_t nOff = note[0] == '-' ? 1 : 0;
    const std::size_t at = note.find('@');
    const std::string title = note.substr(nOff, at == std::string::npos ? at : at - nOff);
    const std::string local = at == std::string::npos ? title : note.substr(at + 1);
    return "Title" + suffix + "=" + title + "\r\nLocal" + suffix + "=" + local + "\r\n";
}

// Top row first: the file lists the bottom row first.
std::string SceneryCfg(const std::vector<std::string>& rows) {
    std::string text = "[General]\r\n";
    for (std::size_t n = rows.size(); n-- > 0;)
        text += "[Area." + std::to_string(rows.size() - n) + "]\r\n" + Entry(rows[n], "") +
                "Active=" + (rows[n][0] == '-' ? "FALSE" : "TRUE") + "\r\n";
    return text;
}

std::string Section(const std::string& line, const std::vector<std::string>& areas) {
    std::string text = line;
    for (std::size_t n = 0; n < areas.size(); ++n)
        text += Entry(areas[n], std::string(".").append(std::to_string(n)));
    return text;
}
std::string Folder(const std::string& name, int nActive, const std::vector<std::string>& areas) {
    return Section("[" + name + "]\r\nActive=" + std::to_string(nActive) + "\r\n", areas);
}
std::string Profile(const std::string& name, const std::vector<std::string>& areas) {
    return Section("[" + name + "]\r\n", areas);
}

struct CLibraryNotes {
    std::vector<std::string> rows;
    std::string folderTxt = {};
    std::string profilesTxt = {};
};

// The files in a folder of their own, read back as a set; a text left
// empty is no file.
CLibrarySet ReadNotes(const CTempFolder& temp, const std::string& folder,
                      const CLibraryNotes& notes) {
    const std::string texts[] = {SceneryCfg(notes.rows), notes.folderTxt, notes.profilesTxt};
    CByLibraryFile<std::string> paths;
    for (std::size_t n = 0; n < kLibraryFileCount; ++n) {
        paths[n] = temp.Path(folder + "/" + kLibraryFiles[n].pszName);
        if (!texts[n].empty())
            temp.Write(folder + "/" + kLibraryFiles[n].pszName, texts[n]);
    }
    return ReadLibrarySet(paths);
}

std::vector<std::string> Differences(const CLibraryNotes& now, const CLibraryNotes& set) {
    const CTempFolder temp;
    const CLibrarySet nowSet = ReadNotes(temp, "now", now);
    const CLibrarySet setSet = ReadNotes(temp, "set", set);
    return LibraryDifferences(nowSet.View(), setSet.View());
}

struct CDifferenceCase {
    const char* pszName;
    CLibraryNotes now;
    CLibraryNotes set;
    std::vector<std::string> lines;
};

class LibraryDifferenceCases : public ::testing::TestWithParam<CDifferenceCase> {};

const std::vector<std::string> kSix = {"A", "B", "C", "D", "E", "F"};

} // namespace

TEST_P(LibraryDifferenceCases, SaysWhatGoingBackToTheSetDoes) {
    EXPECT_EQ(Differences(GetParam().now, GetParam().set), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LibraryDifferenceCases,
    ::testing::ValuesIn(std::vector<CDifferenceCase>{
        {"IdenticalLibrariesGiveNone",
         {{"A", "-B"}, Folder("F", 2, {"A", "B"}), Profile("P", {"A"})},
         {{"A", "-B"}, Folder("F", 2, {"A", "B"}), Profile("P", {"A"})},
         {}},
        // The areas below the one that goes and the one that comes back keep their order.
        {"AreasComeBackAndGoMovingNoOther",
         {{"X", "A", "B"}},
         {{"A", "-Y", "B"}},
         {"\"Y\" (Y) comes back at #2, switched off", "\"X\" (X) goes from #1"}},
        {"OneAreaDraggedIsOneMove",
         {{"A", "B", "C", "D"}},
         {{"D", "A", "B", "C"}},
         {"\"D\" (D) moves from #4 to #1"}},
        {"AreasSwitchBothWays",
         {{"A", "-B"}},
         {{"-A", "B"}},
         {"\"A\" (A) switches off", "\"B\" (B) switches on"}},
        // Paired across by their state, they would move instead.
        {"SameNamesPairInOrderFromTheTop",
         {{"A", "-A", "B"}},
         {{"-A", "A"}},
         {"\"B\" (B) goes from #3", "\"A\" (A) switches off", "\"A\" (A) switches on"}},
        // Its folder and profile name it by its old title in the set: no change of theirs.
        {"RetitledAreaPairsByLocalPathAlone",
         {{"New@K", "B"}, Folder("F", 1, {"New@K"}), Profile("P", {"New@K"})},
         {{"Old@K", "B"}, Folder("F", 1, {"Old@K"}), Profile("P", {"Old@K"})},
         {"\"New\" (K) is titled \"Old\" again"}},
        {"FoldersComeBackGoAndSwitchByNameLetterCaseAside",
         {kSix, Folder("Gone", 1, {"A"}) + Folder("Kept", 0, {"A"})},
         {kSix, Folder("kept", 2, {"A"}) + Folder("Back", 1, {"C"})},
         {"folder \"Back\" comes back", "folder \"Gone\" goes",
          "folder \"Kept\" switches partly on"}},
        {"FoldersGainLoseAndReorderTheirAreas",
         {kSix, Folder("F", 1, {"A", "B"}) + Folder("G", 1, {"A", "B"})},
         {kSix, Folder("F", 1, {"B", "C"}) + Folder("G", 1, {"B", "A"})},
         {"folder \"F\" gains \"C\" (C)", "folder \"F\" loses \"A\" (A)",
          "folder \"G\" lists its areas in another order"}},
        // An entry naming no area counts by its names; long lists are cut.
        {"ProfilesComeBackGoAndChange",
         {kSix, {}, Profile("Gone", {"A"}) + Profile("VFR", {"A", "B"})},
         {kSix, {}, Profile("vfr", {"B", "C", "D", "E", "Lost"}) + Profile("Back", {"A"})},
         {"profile \"Back\" comes back", "profile \"Gone\" goes",
          "profile \"VFR\" gains \"C\" (C), \"D\" (D), \"E\" (E) and 1 more",
          "profile \"VFR\" loses \"A\" (A)"}}}),
    [](const auto& info) { return info.param.pszName; });

TEST(LibraryDifferencesOfMany, OneAreaOnTopOf10000GoesAndMovesNoOther) {
    CLibraryNotes set;
    for (int n = 0; n < 10000; ++n)
        set.rows.push_back("Area" + std::to_string(n));
    CLibraryNotes now = set;
    now.rows.insert(now.rows.begin(), "New");
    EXPECT_EQ(Differences(now, set), std::vector<std::string>{"\"New\" (New) goes from #1"});
}

// The document's rows, not its areas' order, and its removed areas gone
// from its folders.
TEST(LibraryDifferencesOfDocument, ComparesTheListAsItStandsWithTheFilesItWasReadFrom) {
    CLibraryOnDisk library;
    CLibraryDocument& doc = library.m_doc;
    doc.MoveRow(2, 0);
    doc.RemoveAreas({{library.Area("Lake")}});
    doc.RenameArea(library.Area("Town"), "Old Town");
    const CLibrarySet set = ReadLibrarySet(doc.Paths().files);
    EXPECT_EQ(
        LibraryDifferences({doc.Areas(), doc.Rows(), doc.Folders(), doc.Profiles()}, set.View()),
        (std::vector<std::string>{"\"Lake\" (Addon\\Lake) comes back at #2",
                                  "\"Old Town\" (Addon\\Town) is titled \"Town\" again",
                                  "\"Base\" (Scenery\\Base) moves from #1 to #3",
                                  "folder \"Airports\" gains \"Lake\" (Addon\\Lake)",
                                  "folder \"Both\" gains \"Lake\" (Addon\\Lake)"}));
}
