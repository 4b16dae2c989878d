#pragma once

// The INI engine's rules, each as a text and what one look-up in it gives
// (a string look-up with kDefault, an integer one with kIntDefault). The
// native suite checks our engine's answers; under Wine the comparison checks
// that the system's are the same, or the ones a case records where it reads
// the file otherwise. There we keep our rule: the one the simulator's file
// format states, the one that loses nothing the user wrote, or the one that
// lets a value saved and read back stay what it was.

#include <climits>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

using namespace std::literals;

inline constexpr const char* kDefault = "<default>";
inline constexpr int kIntDefault = -77;

struct CIniAnswer {
    std::string_view strValue; // a literal or part of one of the long values below
    int nValue;
};

struct CIniCase {
    const char* pszName;
    std::string text;
    CIniAnswer ours;
    std::optional<CIniAnswer> system = {}; // where the system differs
    const char* pszSection = "S";
    const char* pszKey = "A";
};

const CIniAnswer kAbsent = {kDefault, kIntDefault};

const std::string kLong(300, 'a'), kCutBeforeBlanks = std::string(257, 'a') + " \tb";

const CIniCase kIniCases[] = {
    {"CrBeforeLfIsNoPartOfTheLine", "[S]\r\nA=x\r\n", {"x", 0}},
    {"LastLineNeedsNoLf", "[S]\nB=1\nA=2", {"2", 2}},
    {"LoneCrEndsNoLine", "[S]\nB=x\rA=y\n", kAbsent, {{"y", 0}}},
    {"NamesIgnoreAsciiCase", "[GeNeRaL]\ntItLe=x\n", {"x", 0}, {}, "general", "TITLE"},
    {"OtherBytesKeepTheirCase", "[\311t\351]\nA=1\n", kAbsent, {}, "\351t\351"},
    {"NamesBeyondAsciiMatchAsTheyStand", "[\311t\351]\nA=\351\n", {"\351", 0}, {}, "\311t\351"},
    {"BlanksBeforeTheSectionLine", " \t[S]\nA=1\n", {"1", 1}},
    {"FirstSectionOfTheNameWins", "[S]\nA=1\n[s]\nA=2\n", {"1", 1}},
    {"LaterSectionOfTheNameIsNotSeen", "[S]\nB=1\n[s]\nA=2\n", kAbsent},
    {"FirstKeyOfTheNameWins", "[S]\nA=1\na=2\n", {"1", 1}},
    {"ValueIsAfterTheFirstEquals", "[S]\nA==b=c\n", {"=b=c", 0}},
    {"BlanksAroundKeyAndValueGo", "[S]\n \tA \t=\t a \tb \t\n", {"a \tb", 0}},
    {"QuotationMarksStay", "[S]\nA=\"q\"\n", {"\"q\"", 0}, {{"q", 0}}},
    {"LoneQuotationMarkStays", "[S]\nA=\"q\n", {"\"q", 0}},
    {"ValueIsCutAt259Bytes", "[S]\nA=  " + kLong, {std::string_view(kLong).substr(0, 259), 0}},
    {"BlanksTheCutLeavesGo",
     "[S]\nA=" + kCutBeforeBlanks + "\n",
     {std::string_view(kCutBeforeBlanks).substr(0, 257), 0},
     {{std::string_view(kCutBeforeBlanks).substr(0, 259), 0}}},
    {"IntegerIsTheLeadingDecimalNumber", "[S]\nA=12abc\n", {"12abc", 12}},
    {"IntegerMayHaveAMinus", "[S]\nA= -5 \n", {"-5", -5}},
    {"IntegerMayHaveAPlus", "[S]\nA=+7\n", {"+7", 7}},
    {"IntegerWithoutDigitsIsZero", "[S]\nA=abc\n", {"abc", 0}},
    {"IntegersAreDecimalOnly", "[S]\nA=0x10\n", {"0x10", 0}, {{"0x10", 16}}},
    {"EmptyIntegerValueIsZero", "[S]\nA=\n", {"", 0}, {{"", kIntDefault}}},
    {"LargestInteger", "[S]\nA=2147483647\n", {"2147483647", INT_MAX}},
    {"SmallestInteger", "[S]\nA=-2147483648\n", {"-2147483648", INT_MIN}},
    {"IntegerBeyond32BitsStaysAtTheLimit",
     "[S]\nA=99999999999\n",
     {"99999999999", INT_MAX},
     {{"99999999999", 1215752191}}},
    {"NegativeIntegerBeyond32BitsStaysAtTheLimit",
     "[S]\nA=-99999999999\n",
     {"-99999999999", INT_MIN},
     {{"-99999999999", -1215752191}}},
    {"BlanksInsideSectionBracketsBelongToTheName", "[ S ]\nA=1\n", kAbsent, {{"1", 1}}},
    {"SectionLineWithoutClosingBracketStillStartsASection", "[S\nA=1\n", {"1", 1}, {kAbsent}},
    {"SectionNameEndsAtTheFirstClosingBracket", "[S] ; [x]\nA=1\n", {"1", 1}, {kAbsent}},
    {"KeyBeforeTheFirstSectionIsInNone", "A=1\n[S]\nB=2\n", kAbsent},
    {"LineWithoutEqualsIsNoKey", "[S]\nA\nB=1\n", kAbsent},
    {"CommentLineIsNoKey", "[S]\n \t;A=1\n", kAbsent, {{"1", 1}}, "S", ";A"},
    {"Utf8ByteOrderMarkIsSkipped", "\xEF\xBB\xBF[S]\nA=1\n", {"1", 1}},
    {"Utf16TextIsNotDecoded",
     "\xFF\xFE[\0S\0]\0\r\0\n\0A\0=\0\x31\0\r\0\n\0"s,
     kAbsent,
     {{"1", 1}}},
    {"NulIsAnOrdinaryByte", "[S]\nA=x\0y\n"s, {"x\0y"sv, 0}, {{"x", 0}}},
    {"EmptyText", "", kAbsent},
};

inline std::string NameOf(const testing::TestParamInfo<CIniCase>& info) {
    return info.param.pszName;
}
