#include "LibraryOnDisk.h"

#include <functional>

namespace {

// Quiet names Town and an area the library does not hold, and keeps a key
// of the user's; Everything names every area.
const std::string kProfilesTxt = "[Quiet]\r\nTitle.0=Town\r\nLocal.0=Addon\\Town\r\n"
                                 "Title.1=Gone\r\nLocal.1=Addon\\Gone\r\nNote=mine\r\n"
                                 "[Everything]\r\nTitle.0=Town\r\nLocal.0=Addon\\Town\r\n"
                                 "Title.1=Lake\r\nLocal.1=Addon\\Lake\r\n"
                                 "Title.2=Base\r\nLocal.2=Scenery\\Base\r\n";
const std::string kProfiles = " || Quiet(Town ?Gone) Everything(Town Lake Base)";
const std::string kStart = "-Town* Lake* Base | 3 | Airports=2(Lake Town) Both=1(Lake) Empty=0()";

class Profiles : public ::testing::Test, public CLibraryOnDisk {
protected:
    Profiles() : CLibraryOnDisk(kProfilesTxt) {}
};

struct CProfileCase {
    const char* pszName;
    std::function<void(CLibraryDocument&)> change;
    std::string after;
};

class ProfileChanges : public ::testing::TestWithParam<CProfileCase> {};

} // namespace

// Each profile change is one step: taken back and done again, it gives
// exactly what was before and after it.
TEST_P(ProfileChanges, AreOneStepEachThatUndoAndRedoRestore) {
    CLibraryOnDisk fixture(kProfilesTxt);
    ASSERT_EQ(fixture.Picture(), kStart + kProfiles);
    GetParam().change(fixture.m_doc);
    const std::string after = fixture.Picture();
    EXPECT_EQ(after, GetParam().after);
    fixture.m_doc.Undo();
    EXPECT_EQ(fixture.Picture(), kStart + kProfiles);
    EXPECT_FALSE(fixture.m_doc.CanUndo());
    fixture.m_doc.Redo();
    EXPECT_EQ(fixture.Picture(), after);
}

// Applying switches the profile's areas on and every other off but the
// required Base; the folders follow as after switches in the list.
INSTANTIATE_TEST_SUITE_P(
    Each, ProfileChanges,
    ::testing::Values(
        CProfileCase{"ApplyKeepsRequiredAreasOnAndNamesMissingOnes",
                     [](CLibraryDocument& doc) {
                         const CAppliedProfile applied = doc.ApplyProfile(0);
                         EXPECT_EQ(applied.changes.size(), 2u);
                         ASSERT_EQ(applied.missing.size(), 1u);
                         EXPECT_EQ(applied.missing[0].strLocal, "Addon\\Gone");
                         EXPECT_TRUE(IsCurrentProfile(doc.Profiles()[0], doc.Areas(), doc.Rows()));
                         EXPECT_FALSE(IsCurrentProfile(doc.Profiles()[1], doc.Areas(), doc.Rows()));
                     },
                     "Town* -Lake* Base | 3 | Airports=2(Lake Town) Both=0(Lake) Empty=0()" +
                         kProfiles},
        CProfileCase{"ApplySwitchesFoldersWithTheirAreas",
                     [](CLibraryDocument& doc) { doc.ApplyProfile(1); },
                     "Town* Lake* Base | 3 | Airports=1(Lake Town) Both=1(Lake) Empty=0()" +
                         kProfiles},
        CProfileCase{"SaveAddsTheAreasOnTopRowFirst",
                     [](CLibraryDocument& doc) { EXPECT_EQ(doc.SaveProfile("Mine"), ""); },
                     kStart + kProfiles + " Mine(Lake Base)"},
        CProfileCase{"SaveOfAnExistingNameReplacesItInItsPlace",
                     [](CLibraryDocument& doc) { EXPECT_EQ(doc.SaveProfile("QUIET"), ""); },
                     kStart + " || QUIET(Lake Base) Everything(Town Lake Base)"},
        CProfileCase{"Rename",
                     [](CLibraryDocument& doc) {
                         EXPECT_EQ(
                             doc.RenameProfile(1, "quiet"),
                             "There is already a profile named \"Quiet\" (letter case aside).");
                         EXPECT_EQ(doc.RenameProfile(1, "All"), "");
                     },
                     kStart + " || Quiet(Town ?Gone) All(Town Lake Base)"},
        CProfileCase{"Delete", [](CLibraryDocument& doc) { doc.DeleteProfile(0); },
                     kStart + " || Everything(Town Lake Base)"}),
    [](const auto& info) { return info.param.pszName; });

TEST_F(Profiles, ChangesThatChangeNothingAreNoStep) {
    m_doc.SetAreasActive({{Area("Town")}}, true);
    m_doc.Save();
    m_doc.ApplyProfile(1);
    EXPECT_EQ(m_doc.RenameProfile(0, "Quiet"), "");
    EXPECT_EQ(m_doc.SaveProfile("Everything"), "");
    EXPECT_EQ(m_doc.SaveProfile(" Quiet"),
              "A profile name cannot begin or end with a space or a tab.");
    EXPECT_FALSE(m_doc.IsModified());
}

// The profiles name the areas as they are when saved: renamed and moved in
// the document, removed since (kept with their last names, as entries
// naming no area are).
TEST_F(Profiles, SaveWritesTheAreasAsTheyAreNowAfterTheOtherFiles) {
    m_doc.RenameArea(Area("Town"), "Old Town");
    m_doc.MoveRow(0, 3);
    m_doc.RemoveAreas({{Area("Lake")}});
    ASSERT_EQ(m_doc.ApplyProfile(1).missing.size(), 1u);
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_EQ(m_sim.Read("Profiles.txt"),
              "[Quiet]\r\nTitle.0=Old Town\r\nLocal.0=Addon\\Town\r\n"
              "Title.1=Gone\r\nLocal.1=Addon\\Gone\r\nNote=mine\r\n"
              "[Everything]\r\nTitle.0=Old Town\r\nLocal.0=Addon\\Town\r\n"
              "Title.1=Lake\r\nLocal.1=Addon\\Lake\r\nTitle.2=Base\r\nLocal.2=Scenery\\Base\r\n");
    EXPECT_NE(m_sim.Read("scenery.cfg").find("Title=Old Town"), std::string::npos);
    // Saved again, a profile names only the areas on now; the last one
    // gone, so is the file.
    m_doc.SaveProfile("Everything");
    m_doc.DeleteProfile(0);
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_EQ(m_sim.Read("Profiles.txt"),
              "[Everything]\r\nTitle.0=Base\r\nLocal.0=Scenery\\Base\r\n"
              "Title.1=Old Town\r\nLocal.1=Addon\\Town\r\n");
    m_doc.DeleteProfile(0);
    ASSERT_EQ(m_doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_FALSE(std::filesystem::exists(m_sim.Path("Profiles.txt")));
}

// Another program's change to Profiles.txt is seen before Save; found only
// by the write, it leaves every file as it was.
TEST_F(Profiles, AreGuardedAgainstOtherProgramsAsTheOtherFiles) {
    m_doc.RenameArea(Area("Base"), "Ground");
    m_sim.Write("Profiles.txt", "[Other]\r\n");
    const CSaveCheck check = m_doc.CheckFilesBeforeSave();
    EXPECT_TRUE(!check.abChanged[0] && !check.abChanged[1] && check.abChanged[2]);
    const CSaveResult save = m_doc.Save();
    EXPECT_EQ(save.outcome, CSaveResult::kChanged);
    EXPECT_EQ(m_sim.Read("scenery.cfg").find("Title=Ground"), std::string::npos);
    EXPECT_EQ(m_sim.Read("Profiles.txt"), "[Other]\r\n");
}

// Profiles.txt that could not be read stops only what writes it.
TEST_F(Profiles, UnreadableFileIsLeftAsItIsWhileTheOtherTwoAreSaved) {
    const std::string unreadable("[Quiet]\r\n\0", 10);
    CLibraryOnDisk library(unreadable);
    CLibraryDocument& doc = library.m_doc;
    EXPECT_EQ(doc.ProfilesUnreadable().outcome, CSaveResult::kUnreadable);
    EXPECT_TRUE(doc.Profiles().empty());
    doc.RenameArea(library.Area("Base"), "Ground");
    const CSaveResult save = doc.Save();
    EXPECT_EQ(save.outcome, CSaveResult::kWritten);
    EXPECT_EQ(save.kept, std::vector{kProfilesTxtFile});
    EXPECT_NE(library.m_sim.Read("scenery.cfg").find("Title=Ground"), std::string::npos);
    EXPECT_EQ(doc.SaveProfiles().outcome, CSaveResult::kUnreadable);
    EXPECT_EQ(library.m_sim.Read("Profiles.txt"), unreadable);
    EXPECT_EQ(doc.Check()[0].strCode, "unreadable-file");
}

// Lines before the first profile, and a file of nothing else, go back as
// they were read at a Save of the library.
TEST(ProfilesTxtLines, BeforeTheFirstProfileStayThroughASave) {
    for (const std::string text :
         {"; mine\r\n[Trip]\r\nTitle.0=Lake\r\nLocal.0=Addon\\Lake\r\n", "; only notes\r\n"}) {
        CLibraryOnDisk library(text);
        library.m_doc.RenameArea(library.Area("Base"), "Ground");
        ASSERT_EQ(library.m_doc.Save().outcome, CSaveResult::kWritten);
        EXPECT_EQ(library.m_sim.Read("Profiles.txt"), text);
    }
}
