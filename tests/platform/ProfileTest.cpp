#include "Profile.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

std::string Get(const std::string& text, std::string_view section, std::string_view key) {
    return CProfile(text).GetString(section, key, "<default>");
}

} // namespace

TEST(ProfileLines, EndAtLineFeedWithOneCarriageReturnDropped) {
    const std::string text = "[S]\r\nA=1\r\nB=2\nC=3\r\r\nD=4";
    EXPECT_EQ(Get(text, "S", "A"), "1");
    EXPECT_EQ(Get(text, "S", "B"), "2");
    EXPECT_EQ(Get(text, "S", "C"), "3\r");
    EXPECT_EQ(Get(text, "S", "D"), "4");
}

TEST(ProfileLines, LoneCarriageReturnDoesNotEndALine) {
    const std::string text = "[S]\nA=x\rB=y\n";
    EXPECT_EQ(Get(text, "S", "A"), "x\rB=y");
    EXPECT_EQ(Get(text, "S", "B"), "<default>");
}

TEST(ProfileLines, Utf8ByteOrderMarkIsSkippedOnlyAtTheStart) {
    EXPECT_EQ(Get("\xEF\xBB\xBF[S]\nA=1", "S", "A"), "1");
    EXPECT_EQ(Get("[S]\nA=\xEF\xBB\xBF", "S", "A"), "\xEF\xBB\xBF");
}

TEST(ProfileLines, NulIsAnOrdinaryByte) {
    EXPECT_EQ(Get(std::string("[S]\nA=x\0y\n", 10), "S", "A"), std::string("x\0y", 3));
}

TEST(ProfileSections, LineMayStartWithBlanksAndEndsAtFirstBracket) {
    const std::string text = " \t[S] ; note]\nA=1\n";
    CProfile profile(text);
    ASSERT_EQ(profile.GetSections().size(), 1u);
    EXPECT_EQ(profile.GetSections()[0].name, "S");
    EXPECT_EQ(profile.GetSections()[0].line, " \t[S] ; note]");
    EXPECT_EQ(profile.GetString("S", "A", ""), "1");
}

TEST(ProfileSections, BlanksInsideBracketsBelongToTheName) {
    EXPECT_EQ(Get("[ S ]\nA=1", " S ", "A"), "1");
    EXPECT_EQ(Get("[ S ]\nA=1", "S", "A"), "<default>");
}

TEST(ProfileSections, LineWithoutClosingBracketNamesTheRestOfTheLine) {
    EXPECT_EQ(Get("[Area.005 x\nTitle=T\n", "area.005 X", "Title"), "T");
}

TEST(ProfileSections, NamesMatchIgnoringAsciiCaseOnly) {
    EXPECT_EQ(Get("[GeNeRaL]\ntItLe=x\n", "general", "TITLE"), "x");
    EXPECT_EQ(Get("[\xC9t\xE9]\nA=1\n", "\xE9t\xE9", "A"), "<default>");
    EXPECT_EQ(Get("[\xC9t\xE9]\nA=1\n", "\xC9t\xE9", "A"), "1");
}

TEST(ProfileSections, FirstSectionOfANameWinsAndIsNotMerged) {
    const std::string text = "[S]\nA=1\n[s]\nA=2\nB=3\n";
    EXPECT_EQ(Get(text, "S", "A"), "1");
    EXPECT_EQ(Get(text, "S", "B"), "<default>");
}

TEST(ProfileKeys, FirstKeyOfANameWins) {
    EXPECT_EQ(Get("[S]\nA=1\na=2\n", "S", "A"), "1");
}

TEST(ProfileKeys, KeyAndValueLoseSurroundingBlanksOnly) {
    EXPECT_EQ(Get("[S]\n  Key \t=\t a  b \t\n", "S", "key"), "a  b");
    EXPECT_EQ(Get("[S]\nA=\"quoted\"\n", "S", "A"), "\"quoted\"");
    EXPECT_EQ(Get("[S]\nA=b=c\n", "S", "A"), "b=c");
    EXPECT_EQ(Get("[S]\nA=\n", "S", "A"), "");
}

TEST(ProfileKeys, LinesThatAreNotKeyLinesAreIgnored) {
    const std::string text = "A=before\n[S]\n;B=comment\n  ;C=comment\nD\nE=1\n";
    CProfile profile(text);
    ASSERT_EQ(profile.GetSections().size(), 1u);
    ASSERT_EQ(profile.GetKeys(profile.GetSections()[0]).size(), 1u);
    EXPECT_EQ(profile.GetString("S", "D", "<default>"), "<default>");
    EXPECT_EQ(profile.GetString("S", ";B", "<default>"), "<default>");
}

TEST(ProfileKeys, StringLookUpIsCutTo259Bytes) {
    const std::string value(300, 'v');
    EXPECT_EQ(Get("[S]\nA=" + value, "S", "A"), value.substr(0, 259));
    EXPECT_EQ(CProfile("").GetString("S", "A", value), value.substr(0, 259));
    // The parsed value itself stays whole.
    CProfile profile("[S]\nA=" + value);
    EXPECT_EQ(profile.FindValue(profile.GetSections()[0], "A")->size(), 300u);
}

TEST(ProfileIntegers, DecimalNumberTheValueBeginsWith) {
    CProfile profile("[S]\na=12abc\nb=-5\nc=+7\nd=0x10\ne=abc\nf=\ng=99999999999\n"
                     "h=-99999999999\ni=- 4\n");
    EXPECT_EQ(profile.GetInt("S", "a", -1), 12);
    EXPECT_EQ(profile.GetInt("S", "b", -1), -5);
    EXPECT_EQ(profile.GetInt("S", "c", -1), 7);
    EXPECT_EQ(profile.GetInt("S", "d", -1), 0);
    EXPECT_EQ(profile.GetInt("S", "e", -1), 0);
    EXPECT_EQ(profile.GetInt("S", "f", -1), 0);
    EXPECT_EQ(profile.GetInt("S", "g", -1), INT_MAX);
    EXPECT_EQ(profile.GetInt("S", "h", -1), INT_MIN);
    EXPECT_EQ(profile.GetInt("S", "i", -1), 0);
    EXPECT_EQ(profile.GetInt("S", "missing", -1), -1);
    EXPECT_EQ(profile.GetInt("T", "a", -1), -1);
}
