// Our profile engine against the system's own look-ups
// (GetPrivateProfileStringA, GetPrivateProfileIntA) on a corpus of tricky
// files, and our key update against WritePrivateProfileStringA on files in
// the system writer's own normal form.

#include "Profile.h"
#include "ProfileText.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr const char* kDefault = "<default>";
constexpr int kIntDefault = -77;

struct CQuery {
    std::string section, key;
};

struct CCase {
    const char* name;
    std::string text;
    std::vector<CQuery> queries;
};

// Every edge case of the scenery.cfg format, and the cases it leaves open.
const std::vector<CCase>& Corpus() {
    static const std::vector<CCase> corpus = {
        {"line_ends", "[S]\r\nA=1\r\nB=2\nD=4", {{"S", "A"}, {"S", "B"}, {"S", "D"}}},
        {"blanks_before_section", " \t[Area.010]\nTitle=Ten\n", {{"area.010", "Title"}}},
        {"names_any_case", "[GeNeRaL]\ntItLe=x\n", {{"general", "TITLE"}, {"GENERAL", "title"}}},
        {"first_section_wins", "[S]\nA=1\n[s]\nA=2\nB=3\n", {{"S", "A"}, {"S", "B"}}},
        {"first_key_wins", "[S]\nA=1\na=2\n", {{"S", "A"}}},
        {"blanks_around", "[S]\n  Key \t=\t a  b \t\nT=\ta\tb\t\n", {{"S", "Key"}, {"S", "T"}}},
        {"equals_in_value", "[S]\nA=b=c\nB==\n", {{"S", "A"}, {"S", "B"}}},
        {"one_quote", "[S]\nA=\"half\nB=mid\"dle\n", {{"S", "A"}, {"S", "B"}}},
        {"integers",
         "[S]\na=12abc\nb=-5\nc=+7\nd=abc\ne= 5 \nf=2147483647\ng=-2147483648\n",
         {{"S", "a"}, {"S", "b"}, {"S", "c"}, {"S", "d"}, {"S", "e"}, {"S", "f"}, {"S", "g"}}},
        {"long_values",
         "[S]\nA=" + std::string(300, 'a') + "\nB=  " + std::string(300, 'b') + "  \n",
         {{"S", "A"}, {"S", "B"}}},
        {"byte_e9",
         "[D\351cor]\nT=D\351cor\n[\311t\351]\nA=1\n",
         {{"D\351cor", "T"}, {"\351t\351", "A"}, {"\311t\351", "A"}}},
        {"nul_byte", std::string("[S]\nA=x\0y\nB=2\n", 15), {{"S", "B"}}},
        {"key_before_section", "A=1\n[S]\nB=2\n", {{"S", "A"}, {"S", "B"}}},
        {"line_without_equals", "[S]\nA\nB=1\n", {{"S", "A"}, {"S", "B"}}},
        {"comment_lines", "[S]\n;A=1\n  ;B=2\nC=3\n", {{"S", "A"}, {"S", "B"}, {"S", "C"}}},
        {"utf8_bom", "\xEF\xBB\xBF[S]\nA=1\n", {{"S", "A"}}},
        {"text_after_bracket", "[S] ; note\nA=1\n", {{"S", "A"}}},
        {"missing", "[S]\nA=1\n", {{"T", "A"}, {"S", "Z"}}},
        {"empty_file", "", {{"S", "A"}}},
    };
    return corpus;
}

// The system's answers from the file at path.
std::string ApiString(const std::string& path, const CQuery& q) {
    char szValue[260];
    GetPrivateProfileStringA(q.section.c_str(), q.key.c_str(), kDefault, szValue, sizeof szValue,
                             path.c_str());
    return szValue;
}
int ApiInt(const std::string& path, const CQuery& q) {
    return static_cast<int>(
        GetPrivateProfileIntA(q.section.c_str(), q.key.c_str(), kIntDefault, path.c_str()));
}

} // namespace

TEST(ProfileApiComparison, CorpusGivesTheSameStringsAndIntegers) {
    CTempFolder folder;
    for (const CCase& c : Corpus()) {
        folder.Write(c.name, c.text);
        CProfile profile(c.text);
        for (const CQuery& q : c.queries) {
            EXPECT_EQ(profile.GetString(q.section, q.key, kDefault),
                      ApiString(folder.Path(c.name), q))
                << c.name << " [" << q.section << "] " << q.key;
            EXPECT_EQ(profile.GetInt(q.section, q.key, kIntDefault), ApiInt(folder.Path(c.name), q))
                << c.name << " [" << q.section << "] " << q.key;
        }
    }
}

// Where the system (Wine) differs, case by case: what we give, what it gives.
// We keep our rule in each: it is the one the simulator's file format states,
// the one that loses nothing the user wrote, or the one that lets a value
// saved and read back stay what it was.
struct CDifference {
    const char* name;
    std::string text;
    bool bInteger; // compared with GetInt and GetPrivateProfileIntA
    std::string ours, system;
};

class ProfileApiKnownDifferences : public testing::TestWithParam<CDifference> {};

TEST_P(ProfileApiKnownDifferences, StayAsDocumented) {
    const CDifference& d = GetParam();
    CTempFolder folder;
    folder.Write(d.name, d.text);
    const std::string path = folder.Path(d.name);
    const CQuery q{"S", "A"};
    CProfile profile(d.text);
    if (d.bInteger) {
        EXPECT_EQ(std::to_string(profile.GetInt(q.section, q.key, kIntDefault)), d.ours);
        EXPECT_EQ(std::to_string(ApiInt(path, q)), d.system);
    } else {
        EXPECT_EQ(profile.GetString(q.section, q.key, kDefault), d.ours);
        EXPECT_EQ(ApiString(path, q), d.system);
    }
}

const char kUtf16[] = "\xFF\xFE[\0S\0]\0\r\0\n\0A\0=\0\x31\0\r\0\n\0";

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileApiKnownDifferences,
    testing::Values(
        CDifference{"LoneCarriageReturnEndsNoLine", "[S]\nB=x\rA=y\n", false, kDefault, "y"},
        CDifference{"QuotationMarksStayInTheValue", "[S]\nA=\"q\"\n", false, "\"q\"", "q"},
        CDifference{"IntegersAreDecimalOnly", "[S]\nA=0x10\n", true, "0", "16"},
        CDifference{"EmptyIntegerValueIsZero", "[S]\nA=\n", true, "0", "-77"},
        // The system wraps around.
        CDifference{"IntegerBeyond32BitsStaysAtTheLimit", "[S]\nA=99999999999\n", true,
                    "2147483647", "1215752191"},
        CDifference{"BlanksInsideSectionBracketsBelongToTheName", "[ S ]\nA=1\n", false, kDefault,
                    "1"},
        CDifference{"SectionLineWithoutClosingBracketStillStartsASection", "[S\nA=1\n", false, "1",
                    kDefault},
        CDifference{"SectionNameEndsAtTheFirstClosingBracket", "[S] ; see [x]\nA=1\n", false, "1",
                    kDefault},
        CDifference{"BlanksTheCutLeavesAtTheEndGo", "[S]\nA=" + std::string(257, 'a') + " \tb\n",
                    false, std::string(257, 'a'), std::string(257, 'a') + " \t"},
        CDifference{"Utf16TextIsNotDecoded", std::string(kUtf16, sizeof kUtf16 - 1), false,
                    kDefault, "1"},
        CDifference{"NulIsAnOrdinaryByte", std::string("[S]\nA=x\0y\n", 11), false,
                    std::string("x\0y", 3), "x"}),
    [](const testing::TestParamInfo<CDifference>& info) { return info.param.name; });

namespace {

// The file after one WritePrivateProfileStringA call; absent before when
// `before` is null.
std::string ApiWrite(const char* before, const char* section, const char* key, const char* value) {
    CTempFolder folder;
    if (before)
        folder.Write("w.ini", before);
    WritePrivateProfileStringA(section, key, value, folder.Path("w.ini").c_str());
    return folder.Read("w.ini");
}

} // namespace

// Writes are compared only on plain values in files already in the system
// writer's normal form: it rewrites the whole file from its own parse.
TEST(ProfileApiWrites, SettingAKeyGivesTheSameBytes) {
    for (const char* before :
         {static_cast<const char*>(nullptr), "[Tarnwick]\r\nFS2004Path=C:\\old\\\r\n",
          "[A]\r\nk=v\r\n[Tarnwick]\r\nX=1\r\n[B]\r\ny=2\r\n", "[A]\r\nk=v\r\n",
          "[tarnwick]\r\nfs2004path=x\r\nY=2\r\n"}) {
        EXPECT_EQ(SetProfileKey(before ? before : "", "Tarnwick", "FS2004Path", "D:\\FS9\\"),
                  ApiWrite(before, "Tarnwick", "FS2004Path", "D:\\FS9\\"))
            << (before ? before : "no file");
    }
}

TEST(ProfileApiWrites, KeyAfterKeyIntoANewFileGivesTheSameBytes) {
    CTempFolder folder;
    const std::string path = folder.Path("new.ini");
    CProfileText text;
    for (const char* section : {"General", "area.001", "area.002"}) {
        text.AddSection(section);
        for (const char* key : {"Title", "Layer", "Local"}) {
            std::string value = std::string(key) + " of " + section;
            text.AddKey(key, value);
            WritePrivateProfileStringA(section, key, value.c_str(), path.c_str());
        }
    }
    EXPECT_EQ(text.GetText(), folder.Read("new.ini"));
}
