// Our INI engine against the system's own look-ups
// (GetPrivateProfileStringA, GetPrivateProfileIntA) on the native suite's
// cases, and our key update against WritePrivateProfileStringA on files in
// the system writer's own normal form.

#include "IniWriter.h"

#include "IniCases.h"
#include "TempFolder.h"

#include <windows.h>

class IniApiComparison : public testing::TestWithParam<CIniCase> {};

TEST_P(IniApiComparison, SystemAgreesOrDiffersAsRecorded) {
    const CIniCase& c = GetParam();
    CTempFolder folder;
    folder.Write("p.ini", c.text);
    const std::string path = folder.Path("p.ini");
    const CIniAnswer expected = c.system.value_or(c.ours);
    char szValue[260];
    GetPrivateProfileStringA(c.pszSection, c.pszKey, kDefault, szValue, sizeof szValue,
                             path.c_str());
    EXPECT_EQ(std::string(szValue), expected.strValue);
    EXPECT_EQ(
        static_cast<int>(GetPrivateProfileIntA(c.pszSection, c.pszKey, kIntDefault, path.c_str())),
        expected.nValue);
}

INSTANTIATE_TEST_SUITE_P(Texts, IniApiComparison, testing::ValuesIn(kIniCases), NameOf);

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
TEST(IniApiWrites, SettingAKeyGivesTheSameBytes) {
    for (const char* before :
         {static_cast<const char*>(nullptr), "[Tarnwick]\r\nFS2004Path=C:\\old\\\r\n",
          "[A]\r\nk=v\r\n[Tarnwick]\r\nX=1\r\n[B]\r\ny=2\r\n", "[A]\r\nk=v\r\n",
          "[tarnwick]\r\nfs2004path=x\r\nY=2\r\n"}) {
        EXPECT_EQ(SetIniKey(before ? before : "", "Tarnwick", "FS2004Path", "D:\\FS9\\"),
                  ApiWrite(before, "Tarnwick", "FS2004Path", "D:\\FS9\\"))
            << (before ? before : "no file");
    }
}

TEST(IniApiWrites, KeyAfterKeyIntoANewFileGivesTheSameBytes) {
    CTempFolder folder;
    const std::string path = folder.Path("new.ini");
    CIniWriter text;
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
