#include "AppTestSupport.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace {

const std::string kRegistryMessage =
    "Error|Flight Simulator 2004 registry cannot be found.\n"
    "Use FS9 path utility (or see \"Finding the simulator\" in README.txt)";

class StartUp : public ::testing::Test {
protected:
    ~StartUp() override { RemoveSimRegistry(); }

    CSettingsFile m_settings;
    CAnswerer m_answerer;
    CManagerDlg m_dlg;
};

} // namespace

TEST_F(StartUp, RegistryFolderGivesThePathsTheBackupAndTheSettings) {
    for (const char* suffix : {"", "\\"}) {
        CSimFolder sim(kThreeAreas);
        SetSimRegistry(sim.WinPath() + suffix);
#ifdef _WIN64
        // Written in the 32-bit view only, where the simulator writes it.
        HKEY hKey = nullptr;
        ASSERT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSimRegistryKey, 0, KEY_READ, &hKey),
                  ERROR_SUCCESS);
#endif
        CManagerDlg dlg;
        RunMain(dlg, [&] { Click(dlg, IDOK); });
        const std::string simPath = sim.WinPath() + "\\";
        EXPECT_EQ(dlg.Document().SimPath(), simPath);
        EXPECT_EQ(dlg.m_areaCommands.m_strBrowsePath, simPath);
        EXPECT_EQ(dlg.Document().RowCount(), 3);
        EXPECT_EQ(sim.Read("scenery_bak.twk"), kThreeAreas);
        EXPECT_EQ(m_settings.Read(), "[Tarnwick]\r\nFS2004Path=" + simPath + "\r\n");
    }
    EXPECT_TRUE(m_answerer.m_aBoxes.empty());
}

TEST_F(StartUp, WithoutRegistryKeyTheErrorComesFirstThenTheSettingsFile) {
    CSimFolder sim(kThreeAreas);
    const std::string other = "; mine\r\n[Other]\r\nk=v\r\n";
    m_settings.Write(other + "[Tarnwick]\r\nFS2004Path=" + sim.WinPath() + "\r\n");
    RunMain(m_dlg, [this] { Click(m_dlg, IDOK); });
    EXPECT_EQ(m_answerer.m_aBoxes, std::vector<std::string>{kRegistryMessage});
    EXPECT_EQ(m_answerer.m_nBrowsers, 0);
    EXPECT_EQ(m_dlg.Document().SimPath(), sim.WinPath() + "\\");
    EXPECT_EQ(m_dlg.Document().RowCount(), 3);
    EXPECT_EQ(m_settings.Read(), other + "[Tarnwick]\r\nFS2004Path=" + sim.WinPath() + "\\\r\n");
}

TEST_F(StartUp, WithNothingKnownTheBrowserAsksAndCancelLeavesNoFolder) {
    RunMain(m_dlg, [this] {
        Click(m_dlg, IDC_SAVE);
        Click(m_dlg, IDOK);
    });
    EXPECT_EQ(m_answerer.m_nBrowsers, 1);
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 2u);
    EXPECT_EQ(m_answerer.m_aBoxes[1],
              "Error|No Flight Simulator 2004 folder is known, so nothing was saved.");
    EXPECT_EQ(m_dlg.Document().SimPath(), "");
    EXPECT_EQ(m_dlg.Document().Paths().files[kSceneryCfgFile], "");
    EXPECT_EQ(m_settings.Read(), "<none>");
}

TEST_F(StartUp, RegistryValueMustBeAWholeStringFolder) {
    CSimFolder sim(kThreeAreas);
    bool bKeyFound = false;
    // Stored without its terminating zero: still the folder.
    SetSimRegistryBytes(sim.WinPath().data(), static_cast<DWORD>(sim.WinPath().size()), REG_SZ);
    EXPECT_EQ(ReadRegistrySimFolder(bKeyFound), sim.WinPath());
    SetEnvironmentVariableA("TARNWICK_TEST_SIM", sim.WinPath().c_str());
    SetSimRegistry("%TARNWICK_TEST_SIM%", REG_EXPAND_SZ);
    EXPECT_EQ(ReadRegistrySimFolder(bKeyFound), sim.WinPath());
    for (DWORD nType : {DWORD(REG_SZ), DWORD(REG_BINARY)}) {
        SetSimRegistry(nType == REG_SZ ? std::string(300, 'C') : sim.WinPath(), nType);
        EXPECT_EQ(ReadRegistrySimFolder(bKeyFound), "");
        EXPECT_TRUE(bKeyFound);
    }
}
