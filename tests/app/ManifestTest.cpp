#include "RunProgram.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Manifest, BuiltProgramAsksForCommonControls6AndDpiAwarenessAndNamesNoExecutionLevel) {
    HMODULE hExe =
        LoadLibraryExA(HostPath(TARNWICK_PATH).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(hExe, nullptr);
    HRSRC hManifest = FindResourceA(hExe, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_NE(hManifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(hExe, hManifest))),
                           SizeofResource(hExe, hManifest));
    FreeLibrary(hExe);
    for (const char* pszPresent :
         {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
          "<dpiAware "
          "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
          "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">"
          "PerMonitorV2, System</dpiAwareness>"})
        EXPECT_NE(text.find(pszPresent), std::string::npos) << pszPresent;
    for (const char* pszAbsent : {"trustInfo", "requestedExecutionLevel"})
        EXPECT_EQ(text.find(pszAbsent), std::string::npos) << pszAbsent;
}

// This suite carries the program's resources, its manifest among them, so
// its windows are built as the program's are: by the side-by-side common
// controls 6, not the system folder's version 5.
TEST(Manifest, WindowsTakeTheirControlsFromCommonControls6) {
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), szPath, sizeof szPath);
    CharLowerA(szPath);
    EXPECT_NE(std::string(szPath).find("\\winsxs\\"), std::string::npos) << szPath;
    EXPECT_NE(std::string(szPath).find("common-controls_6595b64144ccf1df_6."), std::string::npos)
        << szPath;
}
