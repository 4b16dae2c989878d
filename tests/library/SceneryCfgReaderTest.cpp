#include "LibraryText.h"

#include <gtest/gtest.h>

namespace {

std::string AreaText(int nNumber, const std::string& title, const std::string& keys = "") {
    char name[32];
    std::snprintf(name, sizeof name, "[area.%03d]\r\n", nNumber);
    return name + ("Title=" + title + "\r\n") + keys;
}

} // namespace

// Only a section named "General" is the header: a line that merely mentions
// the word is an area or a section kept as it stands.
TEST(SceneryCfgReader, SectionLineRulesOfTheSimulator) {
    auto pLibrary = ParseLibrary("  [AREA.010]\nTitle=Ten\n"
                                 "[Area.001] ; general aviation\nTitle=One\n"
                                 "[GeneralOverrides]\nx=1\n"
                                 "[ General ]\nTitle=Not the header\n"
                                 "[Scenery]\nTitle=Kept apart\n");
    ASSERT_EQ(pLibrary->areas.GetSize(), 2);
    EXPECT_EQ(TextOf(pLibrary->areas.GetAt(0)).substr(0, 23), AreaText(10, "Ten"));
    EXPECT_EQ(TextOf(pLibrary->areas.GetAt(1)).substr(0, 23), AreaText(1, "One"));
    EXPECT_EQ(TextOf(pLibrary->header), "[General]\r\nTitle=D\xE9"
                                        "cor d'environnement FS9\r\n"
                                        "Description=FS9 Scenery Data\r\n"
                                        "Clean_on_Exit=FALSE\n\r\n");
    EXPECT_TRUE(SaveText(*pLibrary).ends_with(
        "[GeneralOverrides]\r\nx=1\r\n\r\n[ General ]\r\nTitle=Not the header\r\n\r\n"
        "[Scenery]\r\nTitle=Kept apart\r\n\r\n"));
}

TEST(SceneryCfgReader, OnlyAGeneralSectionGivesAnEmptyLibrary) {
    auto pLibrary = ParseLibrary("[General]\nTitle=T\nDescription=D\nClean_on_Exit=TRUE\n");
    EXPECT_EQ(pLibrary->areas.GetSize(), 0);
    EXPECT_EQ(TextOf(pLibrary->header),
              "[General]\r\nTitle=T\r\nDescription=D\r\nClean_on_Exit=TRUE\n\r\n");
}

TEST(SceneryCfgReader, FlagsCountOnlyWhenExactlyTrueOrFalse) {
    auto pLibrary = ParseLibrary("[area.001]\nActive=true\nRequired=1\n"
                                 "[area.002]\nActive=TRUE\nRequired=TRUE\n");
    EXPECT_FALSE(pLibrary->areas.GetAt(0).IsActive());
    EXPECT_FALSE(pLibrary->areas.GetAt(0).IsRequired());
    EXPECT_TRUE(pLibrary->areas.GetAt(1).IsActive());
    EXPECT_TRUE(pLibrary->areas.GetAt(1).IsRequired());
}

// Values are cut at 259 bytes, and lose the bytes that a Save and a read
// would take from them: blanks the cut leaves at the end, and CRs a Remote
// line end would join. So a library saved, read back and saved again writes
// the same bytes.
TEST(SceneryCfgReader, ValuesAreReadAsSaveWritesThemBack) {
    const std::string x256(256, 'x'), x259(259, 'x');
    const struct {
        std::string lines, saved;
    } cases[] = {
        {"[area.001]\nTitle=" + x259 + "tail\n", "Title=" + x259 + "\r\n"},
        {"[area.001]\nTitle=B" + x256 + "  tail\n", "Title=B" + x256 + "\r\n"},
        {"[area.001]\nLocal=" + x256 + "a\t tail\n", "Local=" + x256 + "a\r\n"},
        {"[General]\nDescription=" + x256 + "d  tail\n", "Description=" + x256 + "d\r\n"},
        {"[area.001]\nRemote=" + x256 + "r  tail\n", "Remote=" + x256 + "r\n\r\n"},
        {"[area.001]\nRemote=abc \r\t\r\r\n", "Remote=abc\n\r\n"},
        {"[area.001]\nRemote=\ra\rb\n", "Remote=\ra\rb\n\r\n"},
        {"[area.001]\nTitle=t\r\r\n", "Title=t\r\r\n"},
    };
    for (const auto& c : cases) {
        const std::string saved = SaveText(*ParseLibrary(c.lines));
        EXPECT_NE(saved.find(c.saved), std::string::npos) << c.lines;
        EXPECT_EQ(SaveText(*ParseLibrary(saved)), saved) << c.lines;
    }
}

// Each area reads the section its own line started, whatever the digits.
TEST(SceneryCfgReader, EveryAreaIsFilledFromItsOwnSection) {
    auto pLibrary = ParseLibrary("[Area.1]\nTitle=One\n[Area.0001]\nTitle=Also one\n"
                                 "[area.002]\nTitle=A\n[AREA.002]\nTitle=B\n"
                                 "[area.]\nTitle=Zero\n[Area.007\nTitle=Seven\n");
    ASSERT_EQ(pLibrary->areas.GetSize(), 6);
    const char* expected[] = {"[area.001]\r\nTitle=One\r\n",  "[area.001]\r\nTitle=Also one\r\n",
                              "[area.002]\r\nTitle=A\r\n",    "[area.002]\r\nTitle=B\r\n",
                              "[area.000]\r\nTitle=Zero\r\n", "[area.007]\r\nTitle=Seven\r\n"};
    for (int i = 0; i < 6; ++i) {
        std::string text = TextOf(pLibrary->areas.GetAt(i));
        EXPECT_EQ(text.substr(0, std::string(expected[i]).size()), expected[i]) << i;
    }
}

TEST(SceneryCfgReader, KeysAndSectionsItDoesNotKnowAreKeptInPlace) {
    const std::string longValue(300, 'f');
    auto pLibrary = ParseLibrary("[General]\nTitle=T\n Foo = bar \nClean_on_Exit=TRUE\nTitle=dup\n"
                                 "[area.001]\nTitle=A\nExclude.0 = x=1 \nLayer=1\n"
                                 "Exclude.0=again\nLAYER=9\n; comment\nno equals\n"
                                 "Flatten.1=" +
                                 longValue +
                                 "\n"
                                 " [Other] ; note\n k = v \n;c\n"
                                 "[Other]\nz=1\n");
    ASSERT_EQ(pLibrary->areas.GetSize(), 1);
    EXPECT_EQ(SaveText(*pLibrary), "[General]\r\nTitle=T\r\nDescription=FS9 Scenery Data\r\n"
                                   "Foo=bar\r\n"
                                   "Clean_on_Exit=TRUE\n\r\n"
                                   "[area.001]\r\nTitle=A\r\nLayer=1\r\nActive=FALSE\r\n"
                                   "Required=FALSE\r\nLocal=\r\n"
                                   "Exclude.0=x=1\r\nExclude.0=again\r\n"
                                   "Flatten.1=" +
                                       longValue +
                                       "\r\n"
                                       "Remote=\n\r\n"
                                       " [Other] ; note\r\nk=v\r\n\r\n"
                                       "[Other]\r\nz=1\r\n\r\n");
}

TEST(SceneryCfgReader, TextureIdGoesBackAsItStoodWheneverTheFileHadIt) {
    auto pLibrary = ParseLibrary("[area.001]\nTexture_ID=1\n[area.002]\nTexture_ID = 0 \n"
                                 "[area.003]\nTexture_ID=2\n[area.004]\ntexture_id=abc\n"
                                 "[area.005]\nTexture_ID=\n[area.006]\n");
    const char* expected[] = {"Texture_ID=1\r\n", "Texture_ID=0\r\n", "Texture_ID=2\r\n",
                              "Texture_ID=abc\r\n", "Texture_ID=\r\n"};
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(TextOf(pLibrary->areas.GetAt(i)).find(std::string("Title=\r\n") + expected[i]),
                  std::string::npos)
            << i;
    EXPECT_EQ(TextOf(pLibrary->areas.GetAt(5)).find("Texture_ID"), std::string::npos);
    EXPECT_EQ(TextOf(CSceneryArea()).find("Texture_ID"), std::string::npos);
}

TEST(SceneryCfgReader, TextThatIsNoSceneryCfgIsRefusedAndLeavesTheModelEmpty) {
    for (std::string text : {std::string("\xFF\xFE[\0a\0", 6), std::string("\xFE\xFF\0[", 4),
                             std::string("[area.001]\nTitle=a\0b\n", 21)}) {
        auto pLibrary = ParseLibrary(text);
        EXPECT_EQ(pLibrary->load.status, EFileStatus::kFailed);
        EXPECT_FALSE(pLibrary->load.strReason.empty());
        EXPECT_EQ(pLibrary->areas.GetSize(), 0);
    }
    // A UTF-8 byte-order mark is read past.
    auto pLibrary = ParseLibrary("\xEF\xBB\xBF[area.001]\nTitle=A\n");
    EXPECT_EQ(pLibrary->areas.GetSize(), 1);
}

TEST(SceneryCfgReader, NoMoreAreasThanAnIndexCanAddress) {
    std::string text = "\xEF\xBB\xBF[area.001]\n[x area.]\n[area.003] ; area.\n[General]\n";
    CSceneryHeader header;
    CAreaArray areas;
    EXPECT_EQ(ParseSceneryCfg(text, header, areas, 3).status, EFileStatus::kOk);
    EXPECT_EQ(areas.GetSize(), 3);

    CAreaArray tooMany;
    CFileResult load = ParseSceneryCfg(text + "[Area.004]\n", header, tooMany, 3);
    EXPECT_EQ(load.status, EFileStatus::kFailed);
    EXPECT_EQ(load.strReason, "It has more than 3 area sections.");
    EXPECT_EQ(tooMany.GetSize(), 0);
}
