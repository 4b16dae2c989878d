#include "LibraryOnDisk.h"

using Profiles = CLibraryWithProfiles;

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
