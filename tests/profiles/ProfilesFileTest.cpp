#include "ProfilesFile.h"

#include "library/LibraryText.h"

#include <gtest/gtest.h>

namespace {

// Areas 0 to 3: A x, B y, A x again, C z.
CAreaArray Areas() {
    return AreasNamed({{"A", "x"}, {"B", "y"}, {"A", "x"}, {"C", "z"}});
}

// Each profile as name(entries; kept keys): an area by its index, an entry
// naming none by "?" and its title.
std::string Picture(const CSceneryProfiles& profiles) {
    std::string text;
    for (const CSceneryProfile& profile : profiles) {
        text += profile.strName + "(";
        for (const CProfileEntry& entry : profile.aEntries)
            text += entry.nArea < 0 ? "?" + entry.names.strTitle : std::to_string(entry.nArea);
        text += ";";
        for (const auto& [key, value] : profile.aKeptKeys)
            text += " " + key + "=" + value;
        text += ") ";
    }
    return text;
}

} // namespace

// As Folder.txt is read: entries by exact title and local path, each
// matching every area of those names, in any letter case of the keys; names
// however the section line is spelt. But entries after a gap in the numbers
// are the profile's too. An area listed twice is one entry; other keys are
// kept, and a section without keys is an empty profile.
TEST(ProfilesFile, ReadsWithTheFolderFilesTolerancesAndWritesOneSpelling) {
    const CAreaArray areas = Areas();
    CSceneryProfiles profiles;
    ASSERT_EQ(
        ParseProfiles("\r\n  [Europe VFR]\r\nTITLE.0=A\r\nlocal.0=x\r\nTitle.1=b\r\nLocal.1=y\r\n"
                      "Title.2=C\r\nLocal.2=z\r\nTitle.3=A\r\nLocal.3=x\r\nColour=blue\r\n"
                      "Title.5=B\r\nLocal.5=y\r\n"
                      "[Empty]\r\n[[Odd]] ; note\r\nLocal.0=z\r\nTitle.0=C\r\n; gone\r\n",
                      profiles, areas)
            .status,
        EFileStatus::kOk);
    EXPECT_EQ(Picture(profiles), "Europe VFR(02?b31; Colour=blue) Empty(;) "
                                 "Odd]] ; note(3;) ");
    const std::string written =
        "[Europe VFR]\r\nTitle.0=A\r\nLocal.0=x\r\nTitle.1=b\r\nLocal.1=y\r\n"
        "Title.2=C\r\nLocal.2=z\r\nTitle.3=B\r\nLocal.3=y\r\nColour=blue\r\n[Empty]\r\n[Odd]] ; "
        "note]\r\nTitle.0=C\r\nLocal.0=z\r\n";
    EXPECT_EQ(FormatProfiles(profiles, areas), written);
    CSceneryProfiles again;
    ParseProfiles(written, again, areas);
    EXPECT_EQ(FormatProfiles(again, areas), written);
}

TEST(ProfilesFile, RefusesTextNoProfileFileHolds) {
    CSceneryProfiles profiles;
    EXPECT_EQ(ParseProfiles(std::string("[A]\r\n\0", 6), profiles, Areas()).status,
              EFileStatus::kFailed);
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
