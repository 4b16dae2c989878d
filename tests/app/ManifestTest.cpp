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
