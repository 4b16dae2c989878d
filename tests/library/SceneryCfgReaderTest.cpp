#include "LibraryText.h"

#include <gtest/gtest.h>

namespace {

// A text read, and pieces of what Save then writes for it, in their order.
struct CReadCase {
    const char* name;
    std::string text;
    int nAreas;
    std::vector<std::string> saved;
};

const std::string x256(256, 'x'), x259(259, 'x');

class SceneryCfgReader : public testing::TestWithParam<CReadCase> {};

} // namespace

// Whatever the text, a Save of the library read, read back and saved again
// writes the same bytes.
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

// Only a section named "General" is the header: a line that merely mentions
// the word is an area or a section kept as it stands. Each area reads the
// section its own line started, whatever the digits. Flags count only when
// exactly TRUE or FALSE; Texture_ID goes back as it stood whenever the file
// had it. Values are cut at 259 bytes and lose the bytes that a Save and a
// read would take from them: blanks the cut leaves at the end, and CRs a
// Remote line end would join.
INSTANTIATE_TEST_SUITE_P(
    Texts, SceneryCfgReader,
    testing::Values(
        CReadCase{
            "SectionLines",
            "  [AREA.010]\nTitle=Ten\n[Area.001] ; general aviation\nTitle=One\n"
            "[GeneralOverrides]\nx=1\n[ General ]\nTitle=Not the header\n"
            "[Scenery]\nTitle=Kept apart\n",
            2,
            {"[General]\r\nTitle=D\351cor d'environnement FS9\r\nDescription=FS9 Scenery Data\r\n",
             "[area.001]\r\nTitle=Ten\r\n", "[area.002]\r\nTitle=One\r\n",
             "[GeneralOverrides]\r\nx=1\r\n\r\n[ General ]\r\nTitle=Not the header\r\n\r\n"
             "[Scenery]\r\nTitle=Kept apart\r\n\r\n"}},
        CReadCase{"OnlyAGeneralSection",
                  "[General]\nTitle=T\nDescription=D\nClean_on_Exit=TRUE\n",
                  0,
                  {"[General]\r\nTitle=T\r\nDescription=D\r\nClean_on_Exit=TRUE\n\r\n"}},
        CReadCase{"EveryAreaItsOwnSection",
                  "[Area.1]\nTitle=One\n[Area.0001]\nTitle=Also one\n[area.002]\nTitle=A\n"
                  "[AREA.002]\nTitle=B\n[area.]\nTitle=Zero\n[Area.007\nTitle=Seven\n",
                  6,
                  {"=One\r", "=Also one\r", "=A\r", "=B\r", "=Zero\r", "=Seven\r"}},
        CReadCase{"Flags",
                  "[area.001]\nActive=true\nRequired=1\n[area.002]\nActive=TRUE\nRequired=TRUE\n",
                  2,
                  {"Active=FALSE\r\nRequired=FALSE", "Active=TRUE\r\nRequired=TRUE"}},
        CReadCase{
            "TextureId",
            "[area.001]\nTexture_ID=1\n[area.002]\nTexture_ID = 0 \n[area.003]\ntexture_id=abc\n"
            "[area.004]\nTexture_ID=\n[area.005]\n",
            5,
            {"=\r\nTexture_ID=1\r\nLayer", "=\r\nTexture_ID=0\r\nLayer",
             "=\r\nTexture_ID=abc\r\nLayer", "=\r\nTexture_ID=\r\nLayer",
             "[area.005]\r\nTitle=\r\nLayer"}},
        CReadCase{"CutTitle", "[area.001]\nTitle=" + x259 + "tail\n", 1, {"=" + x259 + "\r\n"}},
        CReadCase{"CutBeforeBlanks",
                  "[area.001]\nTitle=B" + x256 + "  tail\n",
                  1,
                  {"=B" + x256 + "\r\n"}},
        CReadCase{
            "CutLocal", "[area.001]\nLocal=" + x256 + "a\t tail\n", 1, {"Local=" + x256 + "a\r\n"}},
        CReadCase{"CutHeader",
                  "[General]\nDescription=" + x256 + "d  tail\n",
                  0,
                  {"Description=" + x256 + "d\r\n"}},
        CReadCase{"CutRemote",
                  "[area.001]\nRemote=" + x256 + "r  tail\n",
                  1,
                  {"Remote=" + x256 + "r\n\r\n"}},
        CReadCase{
            "RemoteCarriageReturns", "[area.001]\nRemote=abc \r\t\r\r\n", 1, {"Remote=abc\n\r\n"}},
        CReadCase{"RemoteInnerCarriageReturns",
                  "[area.001]\nRemote=\ra\rb\n",
                  1,
                  {"Remote=\ra\rb\n\r\n"}},
        CReadCase{"TitleCarriageReturns", "[area.001]\nTitle=t\r\r\n", 1, {"Title=t\r\r\n"}}),
    [](const testing::TestParamInfo<CReadCase>& info) { return info.param.name; });

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
