#include "ProfilesFile.h"

#include "library/LibraryText.h"

#include <gtest/gtest.h>

namespace {

// Areas 0 to 3: A x, B y, A x again, C z.
CAreaArray Areas() {
    return AreasNamed({{"A", "x"}, {"B", "y"}, {"A", "x"}, {"C", "z"}});
}

// Each profile as name(entries; kept lines): an area by its index, an entry
// naming none by "?" and its title.
std::string Picture(const CSceneryProfiles& profiles) {
    std::string text;
    for (const CSceneryProfile& profile : profiles) {
        text += profile.strName + "(";
        for (const CProfileEntry& entry : profile.aEntries)
            text += entry.nArea < 0 ? "?" + entry.names.strTitle : std::to_string(entry.nArea);
        text += ";";
        for (const std::string& line : profile.aOtherLines)
            text += " " + line;
        text += ") ";
    }
    return text;
}

} // namespace

// As Folder.txt is read: entries by exact title and local path, each
// matching every area of those names, in any letter case of the keys, past
// any gap in their numbers; names however the section line is spelt. An area listed
// twice is one entry; other lines are kept, and a section without keys is
// an empty profile.
TEST(ProfilesFile, ReadsWithTheFolderFilesTolerancesAndWritesOneSpelling) {
    const CAreaArray areas = Areas();
    CSceneryProfiles profiles;
    ParseProfiles("\r\n  [Europe VFR]\r\nTITLE.0=A\r\nlocal.0=x\r\nTitle.1=b\r\nLocal.1=y\r\n"
                  "Title.2=C\r\nLocal.2=z\r\nTitle.3=A\r\nLocal.3=x\r\n Colour = blue\r\n"
                  "Title.5=B\r\nLocal.5=y\r\n"
                  "[Empty]\r\n[[Odd]] ; note\r\nLocal.0=z\r\nTitle.0=C\r\n; kept\r\n",
                  profiles, areas);
    EXPECT_EQ(Picture(profiles), "Europe VFR(02?b31;  Colour = blue) Empty(;) "
                                 "Odd]] ; note(3; ; kept) ");
    const std::string written =
        "[Europe VFR]\r\nTitle.0=A\r\nLocal.0=x\r\nTitle.1=b\r\nLocal.1=y\r\n"
        "Title.2=C\r\nLocal.2=z\r\nTitle.3=B\r\nLocal.3=y\r\n Colour = blue\r\n[Empty]\r\n"
        "[Odd]] ; note]\r\nTitle.0=C\r\nLocal.0=z\r\n; kept\r\n";
    EXPECT_EQ(FormatProfiles(profiles, areas), written);
    CSceneryProfiles again;
    ParseProfiles(written, again, areas);
    EXPECT_EQ(FormatProfiles(again, areas), written);
}

// Lines the profiles do not take go back as they stood, those before the
// first profile first; a second key of an entry's name would name an entry
// written back, so it goes. A byte-order mark that was text stays text.
TEST(ProfilesFile, WritesBackTheLinesItDoesNotTakeWhereTheyStood) {
    for (auto [pszText, pszWritten] :
         {std::pair{
              "; mine\n\nx = 1\n[VFR]\nTitle.0=A\n  ; the lake \nno equals\ntitle.0=B\n\n[IFR]\n",
              "; mine\r\n\r\nx = 1\r\n[VFR]\r\nTitle.0=A\r\nLocal.0=\r\n  ; the lake \r\n"
              "no equals\r\n\r\n[IFR]\r\n"},
          {"[P]\nTitle.7=C\nLocal.7=z\nTitle.1=B\nLocal.1=y\nLocal.999999999=x\n"
           "Title.999999999=A\ntitle.7=D\n",
           "[P]\r\nTitle.0=B\r\nLocal.0=y\r\nTitle.1=C\r\nLocal.1=z\r\nTitle.2=A\r\n"
           "Local.2=x\r\n"},
          {"\xEF\xBB\xBF\xEF\xBB\xBF[P]\n", "\xEF\xBB\xBF\xEF\xBB\xBF[P]\r\n"},
          {"\xEF\xBB\xBF\xFF\xFE\n", "\xEF\xBB\xBF\xFF\xFE\r\n"}}) {
        CSceneryProfiles profiles;
        CKeptLines lead;
        ASSERT_TRUE(ParseProfiles(pszText, profiles, Areas(), &lead));
        EXPECT_EQ(FormatProfiles(profiles, Areas(), lead), pszWritten);
    }
}

TEST(ProfileName, RefusesEmptyBlankEndedOrBracketedNames) {
    for (auto [pszName, pszWhy] :
         {std::pair{"Europe VFR", ""},
          {"", "A profile needs a name."},
          {" A", "A profile name cannot begin or end with a space or a tab."},
          {"A\t", "A profile name cannot begin or end with a space or a tab."},
          {"[A", "A profile name cannot hold \"[\" or \"]\"."},
          {"A]B", "A profile name cannot hold \"[\" or \"]\"."}})
        EXPECT_EQ(WhyProfileNameRefused(pszName), pszWhy) << pszName;
}
