#pragma once

// A simulator folder known through the registry, and the main window on it.

#include "AppTestSupport.h"

#include <gtest/gtest.h>

class CMainWindowTest : public ::testing::Test {
protected:
    explicit CMainWindowTest(const std::string& sceneryCfg) : m_sim(sceneryCfg) {
        SetSimRegistry(m_sim.WinPath());
    }
    ~CMainWindowTest() override { RemoveSimRegistry(); }

    // Runs the script in the main window, then quits.
    void Run(std::function<void()> script) {
        RunMain(m_dlg, [&] {
            Pump(m_dlg);
            script();
            Click(m_dlg, IDOK);
        });
    }
    CSceneryListBox& List() { return m_dlg.m_listScenery; }

    CSettingsFile m_settings;
    CAnswerer m_answerer;
    CSimFolder m_sim;
    CTestManagerDlg m_dlg;
};
