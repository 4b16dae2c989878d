#pragma once

// Driving the real dialogs under test: the dialog runs its own modal loop,
// the test's script runs inside that loop once the window is up, and the
// modal questions the program asks (message boxes, folder browsers) are
// answered as they appear.

#include "ManagerDlg.h"
#include "SimulatorLocation.h"
#include "TempFolder.h"

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <vector>

// Every message waiting for the thread, through the dialog's own
// pre-translation, as its modal loop would handle them.
void Pump(CDialog& dlg);
// Posts a click on a button of the dialog and lets the loop handle it.
void Click(CDialog& dlg, int nButton);

// A control of a dialog: its text, and whether it takes input.
std::string ItemText(HWND hDlg, int nID);
bool IsEnabled(const CDialog& dlg, int nID);

// A row of a list view, its first columns' texts joined by '|'; every row's.
std::string RowText(const CListCtrl& list, int nRow, int nColumns);
std::vector<std::string> RowTexts(const CListCtrl& list, int nColumns);
// Selects that row alone, as a click does, and lets the dialog handle it.
void SelectRow(CDialog& dlg, CListCtrl& list, int nRow);

// Runs the dialog modally and the script inside its loop once it is shown
// and enabled. The script ends the dialog, typically by clicking Quit.
INT_PTR RunModal(CDialog& dlg, std::function<void()> script);
// The same for the main window, made the application's main window meanwhile.
INT_PTR RunMain(CManagerDlg& dlg, std::function<void()> script);

// The main dialog with the members tests reach past the window.
class CTestManagerDlg : public CManagerDlg {
public:
    CLibraryDocument& Doc() { return m_doc; }

    // The next dialog of the type the window runs is driven by the script,
    // through RunModal.
    template <class TDialog> void Drive(std::function<void(TDialog&)> script) {
        m_scripts[typeid(TDialog)] = [script](CDialog& dlg) { script(static_cast<TDialog&>(dlg)); };
    }
    // The reading of the airports replaced by 100 steps of 50 ms that read
    // nothing; how many it took.
    bool m_bSlowIndex = false;
    mutable std::atomic<int> m_nSlowSteps{0};

protected:
    CIndexWork AirportIndexWork() const override;
    INT_PTR RunDialog(CDialog& dlg) override;

private:
    std::map<std::type_index, std::function<void(CDialog&)>> m_scripts;
};

// Answers the thread's modal questions while it exists: a message box gets
// m_nButton (0: its default button, as Enter would), a folder browser Cancel, the Name dialog
// m_strName typed when set, then OK.
class CAnswerer {
public:
    CAnswerer();
    ~CAnswerer();
    CAnswerer(const CAnswerer&) = delete;
    CAnswerer& operator=(const CAnswerer&) = delete;

    int m_nButton = IDOK;
    std::string m_strName;
    // "caption|text" of every message box answered, in order.
    std::vector<std::string> m_aBoxes;
    int m_nBrowsers = 0;

    void Answer(HWND hWnd);

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);

    UINT_PTR m_nTimer;
    HWND m_hLastAnswered = nullptr;
};

// The registry entry of the simulator, set for a test and removed after it.
void SetSimRegistry(const std::string& folder, DWORD nType = REG_SZ);
void SetSimRegistryBytes(const void* pData, DWORD nSize, DWORD nType);
void RemoveSimRegistry();

// Rows from the top: xabc (on), ABCD (off), Alpha (on, required).
inline const std::string kThreeAreas =
    "[General]\r\nTitle=Mine\r\n"
    "[Area.001]\r\nTitle=Alpha\r\nActive=TRUE\r\nRequired=TRUE\r\nLocal=Scenery\\Alpha\r\n"
    "[Area.002]\r\nTitle=ABCD\r\nActive=FALSE\r\nExclude.0=x\r\n"
    "[Area.003]\r\nTitle=xabc\r\nActive=TRUE\r\n";

// A simulator folder with fs9.exe and the given scenery.cfg, whose Windows
// path ends without a backslash.
class CSimFolder : public CTempFolder {
public:
    explicit CSimFolder(const std::string& sceneryCfg);
    std::string WinPath() const;
};

// Removes the settings file before and after a test.
class CSettingsFile {
public:
    CSettingsFile();
    ~CSettingsFile();
    std::string Read() const;
    void Write(const std::string& text) const;
    std::string m_strPath;
};
