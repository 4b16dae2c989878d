#include "IniText.h"
#include "IniWriter.h"

#include "IniCases.h"

class IniRules : public testing::TestWithParam<CIniCase> {};

TEST_P(IniRules, GiveOurAnswers) {
    const CIniCase& c = GetParam();
    const CIniText text(c.text);
    EXPECT_EQ(text.GetString(c.pszSection, c.pszKey, kDefault), c.ours.strValue);
    EXPECT_EQ(text.GetInt(c.pszSection, c.pszKey, kIntDefault), c.ours.nValue);
}

INSTANTIATE_TEST_SUITE_P(Texts, IniRules, testing::ValuesIn(kIniCases), NameOf);

struct CKeySet {
    const char* pszName;
    std::string before, section, key, value, after;
};

class SettingAnIniKey : public testing::TestWithParam<CKeySet> {};

// Setting one key changes only its value, or adds its line after the last
// key of the first section of the name, or adds the section at the end.
TEST_P(SettingAnIniKey, ChangesOnlyWhatTheKeyNeeds) {
    const CKeySet& c = GetParam();
    EXPECT_EQ(SetIniKey(c.before, c.section, c.key, c.value), c.after);
}

const CKeySet kKeySets[] = {
    {"IntoNoText", "", "Tarnwick", "FS2004Path", "C:\\FS9\\",
     "[Tarnwick]\r\nFS2004Path=C:\\FS9\\\r\n"},
    {"ValueOfTheFirstKeyOfTheName", "; mine\n[Other]\nX=1\n[tarnwick]\n fs2004path = old \r\nY=2\n",
     "Tarnwick", "FS2004Path", "D:\\new\\",
     "; mine\n[Other]\nX=1\n[tarnwick]\n fs2004path = D:\\new\\ \r\nY=2\n"},
    {"EmptyValue", "[T]\nK=\n", "T", "K", "v", "[T]\nK=v\n"},
    {"KeyAddedAfterTheSectionsLastKey", "[T]\r\nA=1\r\n\r\n; next\r\n[N]\r\nB=2\r\n", "T", "K", "v",
     "[T]\r\nA=1\r\nK=v\r\n\r\n; next\r\n[N]\r\nB=2\r\n"},
    {"KeyAddedToAnEmptySection", "[T]\n[N]\n", "T", "K", "v", "[T]\nK=v\r\n[N]\n"},
    {"LastLineWithoutLineEnd", "[T]\nA=1", "T", "K", "v", "[T]\nA=1\r\nK=v\r\n"},
    {"SectionAddedAfterAnUnendedLine", "[A]\r\nk=v", "T", "K", "x", "[A]\r\nk=v\r\n[T]\r\nK=x\r\n"},
    {"SectionAddedAtTheEnd", "[A]\r\n", "T", "K", "x", "[A]\r\n[T]\r\nK=x\r\n"},
    {"FirstSectionOfTheName", "[T]\nA=1\n[t]\nA=2\n", "T", "A", "3", "[T]\nA=3\n[t]\nA=2\n"},
};

INSTANTIATE_TEST_SUITE_P(Texts, SettingAnIniKey, testing::ValuesIn(kKeySets),
                         [](const auto& info) { return std::string(info.param.pszName); });
