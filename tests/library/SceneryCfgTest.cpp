#include "LibraryText.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace std::literals;

namespace {

// A text read, and pieces of what Save then writes for it, in their order.
struct CReadCase {
    const char* name;
    std::string text;
    int nAreas;
    std::vector<std::string> saved;
};

const std::string x256(256, 'x');

class SceneryCfgReader : public testing::TestWithParam<CReadCase> {};

} // namespace

// Whatever the text, a Save of the library read, read back and saved again
// writes the same bytes: this suite's one check of that round trip.
TEST_P(SceneryCfgReader, ReadsWhatSaveWritesBack) {
    auto pLibrary = ParseLibrary(GetParam().text);
    EXPECT_EQ(pLibrary->load.status, EFileStatus::kOk);
    EXPECT_EQ(pLibrary->areas.GetSize(), GetParam().nAreas);
    const std::string saved = SaveText(*pLibrary);
    std::size_t nAt = 0;
    for (const std::string& piece : GetParam().saved) {
        nAt = saved.find(piece, nAt);
        ASSERT_NE(nAt, std::string::npos) << piece << " in\n" << saved;
    }
    EXPECT_EQ(SaveText(*ParseLibrary(saved)), saved);
}

// Areas are saved in the order of their section lines, numbered anew. Only a
// section named "General" is the header: a line that merely mentions the
// word is an area or a section kept as it stands, and so are keys this
// program does not know, whole. Each area reads the section its own line
// started, whatever the digits. Flags count only when exactly TRUE or FALSE;
// Texture_ID goes back as it stood whenever the file had it. Values are cut
// at 259 bytes and lose the bytes that a Save and a read would take from
// them: blanks the cut leaves at the end, and CRs a Remote line end would
// join.
INSTANTIATE_TEST_SUITE_P(
    Texts, SceneryCfgReader,
    testing::Values(
        CReadCase("WorkedExample",
                  "[General]\r\nTitle=My Scenery\r\n"
                  "[Area.003]\r\nTitle=Alpha\r\nLayer=3\r\nActive=TRUE\r\n"
                  "Required=FALSE\r\nLocal=Addon Scenery\\Alpha\r\n"
                  "[Area.001]\r\nTitle=Bravo\r\nLayer=1\r\nActive=TRUE\r\n"
                  "Required=TRUE\r\nLocal=Scenery\\Bravo\r\n",
                  2,
                  {"[General]\r\nTitle=My Scenery\r\nDescription=FS9 Scenery Data\r\n"
                   "Clean_on_Exit=FALSE\n\r\n"
                   "[area.001]\r\nTitle=Alpha\r\nLayer=1\r\nActive=TRUE\r\nRequired=FALSE\r\n"
                   "Local=Addon Scenery\\Alpha\r\nRemote=\n\r\n"
                   "[area.002]\r\nTitle=Bravo\r\nLayer=2\r\nActive=TRUE\r\nRequired=TRUE\r\n"
                   "Local=Scenery\\Bravo\r\nRemote=\n\r\n"}),
        CReadCase("EmptyText", "", 0,
                  {"[General]\r\nTitle="s + CSceneryHeader::kDefaultTitle + "\r\nDescription=" +
                   CSceneryHeader::kDefaultDescription + "\r\nClean_on_Exit=FALSE\n\r\n"}),
        CReadCase("BlanksLineEndsAndAByteOrderMarkOnly", "\xEF\xBB\xBF \t\r\n\r\n\t", 0,
                  {"[General]\r\nTitle="s + CSceneryHeader::kDefaultTitle + "\r\n"}),
        CReadCase("SectionLines",
                  "  [AREA.010]\nTitle=Ten\n[Area.001] ; general aviation\nTitle=One\n"
                  "[GeneralOverrides]\nx=1\n[ General ]\nTitle=Not the header\n"
                  "[Scenery]\nTitle=Kept apart\n",
                  2,
                  {"[area.001]\r\nTitle=Ten\r\n", "[area.002]\r\nTitle=One\r\n",
                   "[GeneralOverrides]\r\nx=1\r\n\r\n[ General ]\r\nTitle=Not the header\r\n\r\n"
                   "[Scenery]\r\nTitle=Kept apart\r\n\r\n"}),
        CReadCase("UnknownKeysAndSectionsKeptInPlace",
                  "[General]\nTitle=T\n Foo = bar \nClean_on_Exit=TRUE\nTitle=dup\n"
                  "[area.001]\nTitle=A\nExclude.0 = x=1 \nLayer=1\nExclude.0=again\nLAYER=9\n"
                  "; comment\nno equals\nFlatten.1=" +
                      std::string(300, 'f') + "\n [Other] ; note\n k = v \n;c\n[Other]\nz=1\n",
                  1,
                  {"[General]\r\nTitle=T\r\nDescription=FS9 Scenery Data\r\nFoo=bar\r\n"
                   "Clean_on_Exit=TRUE\n\r\n"
                   "[area.001]\r\nTitle=A\r\nLayer=1\r\nActive=FALSE\r\nRequired=FALSE\r\n"
                   "Local=\r\nExclude.0=x=1\r\nExclude.0=again\r\nFlatten.1=" +
                   std::string(300, 'f') +
                   "\r\nRemote=\n\r\n [Other] ; note\r\nk=v\r\n\r\n[Other]\r\nz=1\r\n\r\n"}),
        CReadCase("EveryAreaItsOwnSection",
                  "[Area.1]\nTitle=One\n[Area.0001]\nTitle=Also one\n[area.002]\nTitle=A\n"
                  "[AREA.002]\nTitle=B\n[area.]\nTitle=Zero\n[Area.007\nTitle=Seven\n",
                  6, {"=One\r", "=Also one\r", "=A\r", "=B\r", "=Zero\r", "=Seven\r"}),
        CReadCase("Flags",
                  "[area.001]\nActive=true\nRequired=1\n[area.002]\nActive=TRUE\nRequired=TRUE\n",
                  2, {"Active=FALSE\r\nRequired=FALSE", "Active=TRUE\r\nRequired=TRUE"}),
        CReadCase(
            "TextureId",
            "[area.001]\nTexture_ID=1\n[area.002]\nTexture_ID = 0 \n[area.003]\ntexture_id=abc\n"
            "[area.004]\nTexture_ID=\n[area.005]\n",
            5,
            {"=\r\nTexture_ID=1\r\nLayer", "=\r\nTexture_ID=0\r\nLayer",
             "=\r\nTexture_ID=abc\r\nLayer", "=\r\nTexture_ID=\r\nLayer",
             "[area.005]\r\nTitle=\r\nLayer"}),
        CReadCase("CutValues",
                  "[General]\nDescription=" + x256 + "d  tail\n[area.001]\nTitle=B" + x256 +
                      "  tail\nLocal=" + x256 + "a\t tail\nRemote=" + x256 + "r  tail\n",
                  1,
                  {"Description=" + x256 + "d\r\n", "=B" + x256 + "\r\n", "Local=" + x256 + "a\r\n",
                   "Remote=" + x256 + "r\n\r\n"}),
        CReadCase("CarriageReturns",
                  "[area.001]\nRemote=abc \r\t\r\r\n[area.002]\nRemote=\ra\rb\n"
                  "[area.003]\nTitle=t\r\r\n",
                  3, {"Remote=abc\n\r\n", "Remote=\ra\rb\n\r\n", "Title=t\r\r\n"})),
    [](const testing::TestParamInfo<CReadCase>& info) { return info.param.name; });

TEST(SceneryCfgReader, TextThatIsNoSceneryCfgIsRefusedAndLeavesTheModelEmpty) {
    const std::string empty = SaveText(*ParseLibrary(""));
    for (std::string text :
         {"\xFF\xFE[\0a\0"s, "\xFE\xFF\0["s, "[area.001]\nTitle=a\0b\n"s, "x"s,
          "\xEF\xBB\xBF; a note\r\nTitle=Before any section\r\n"s, "[Scenery]\nTitle=Kept apart\n"s,
          "[ General ]\nTitle=Blanks inside\n"s}) {
        auto pLibrary = ParseLibrary(text);
        EXPECT_EQ(pLibrary->load.status, EFileStatus::kFailed);
        EXPECT_FALSE(pLibrary->load.strReason.empty());
        EXPECT_EQ(SaveText(*pLibrary), empty) << text;
    }
    EXPECT_EQ(ParseLibrary("x")->load.strReason, "holds no [General] or area section");
}

TEST(SceneryCfgReader, NoMoreAreasThanAnIndexCanAddress) {
    std::string text = "\xEF\xBB\xBF[area.001]\n[x area.]\n[area.003] ; area.\n[General]\n";
    CSceneryHeader header;
    CAreaArray areas;
    EXPECT_EQ(ParseSceneryCfg(text, header, areas, 3).status, EFileStatus::kOk);
    EXPECT_EQ(areas.GetSize(), 3);
    CAreaArray tooMany;
    EXPECT_EQ(ParseSceneryCfg(text + "[Area.004]\n", header, tooMany, 3).status,
              EFileStatus::kFailed);
    EXPECT_EQ(tooMany.GetSize(), 0);
}

TEST(SceneryCfgFile, MissingFileStartsAnEmptyLibraryAndAFiftyMegabyteLineLoads) {
    CTempFolder folder;
    CLibrary library;
    EXPECT_EQ(LoadSceneryCfg(folder.Path("scenery.cfg"), library.header, library.areas).status,
              EFileStatus::kMissing);
    folder.Write("scenery.cfg", "[area.001] " + std::string(50 << 20, 'x'));
    EXPECT_EQ(LoadSceneryCfg(folder.Path("scenery.cfg"), library.header, library.areas).status,
              EFileStatus::kOk);
    EXPECT_EQ(library.areas.GetSize(), 1);
}

TEST(SceneryCfgWriter, NumbersLayersAndStatesComeFromTheRowsBottomFirst) {
    auto pLibrary = ParseLibrary("[area.001]\nTitle=A\n[area.002]\nTitle=B\nLayer=9\n"
                                 "[area.003]\nTitle=C\nActive=TRUE\n");
    // C was dragged from the top to the bottom and switched off, B switched
    // on in the list only; A was removed.
    pLibrary->areas.GetAt(0).SetRemoved(true);
    const std::string text = SaveText(*pLibrary, {{1, true}, {2, false}});
    EXPECT_EQ(text.substr(text.find("[area.")),
              "[area.001]\r\nTitle=C\r\nLayer=1\r\nActive=FALSE\r\nRequired=FALSE\r\nLocal=\r\n"
              "Remote=\n\r\n[area.002]\r\nTitle=B\r\nLayer=2\r\nActive=TRUE\r\n"
              "Required=FALSE\r\nLocal=\r\nRemote=\n\r\n");
}

TEST(SceneryCfgWriter, SectionNumbersGrowPastThreeDigits) {
    EXPECT_EQ(CSceneryArea::SectionNameOf(1000), "area.1000");
}
