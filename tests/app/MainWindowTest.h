#pragma once

// A simulator folder known through the registry, its library kThreeAreas
// unless another is given, and the main window on it.

#include "AppTestSupport.h"

#include <gtest/gtest.h>

// Public, for the cases of a table to reach.
class CMainWindowTest : public ::testing::Test {
public:
    explicit CMainWindowTest(const std::string& sceneryCfg = kThreeAreas) : m_sim(sceneryCfg) {
        SetSimRegistry(m_sim.WinPath());
    }
    ~CMainWindowTest() override { RemoveSimRegistry(); }

    // Areas A0 up to A(n-1), all on, each in its own folder under Scenery;
    // the rows from the top show them from the last down.
    static std::string NumberedAreas(int nAreas) {
        std::string text;
        for (int i = 0; i < nAreas; ++i)
            text += "[area." + std::to_string(i + 1) + "]\r\nTitle=A" + std::to_string(i) +
                    "\r\nActive=TRUE\r\nLocal=Scenery\\A" + std::to_string(i) + "\r\n";
        return text;
    }

    // Runs the script in the main window, then quits, leaving unsaved
    // changes unsaved.
    void Run(std::function<void()> script) {
        RunMain(m_dlg, [&] {
            Pump(m_dlg);
            script();
            if (m_dlg.Document().IsModified())
                m_answerer.m_nButton = IDNO;
            Click(m_dlg, IDOK);
        });
    }
    CSceneryListBox& List() { return m_dlg.m_listScenery; }
    // Of numbered areas, the titles' numbers from the top row down.
    std::string Order() {
        std::string order;
        for (int n = 0; n < List().GetCount(); ++n)
            order += List().GetText(n).substr(1);
        return order;
    }
    // A system menu command, as the menu sends it; whether the menu greys it.
    void SysCommand(UINT nID) {
        m_dlg.PostMessage(WM_SYSCOMMAND, nID, 0);
        Pump(m_dlg);
    }
    bool Greyed(UINT nID) {
        HMENU hMenu = GetSystemMenu(m_dlg.m_hWnd, FALSE);
        return (GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }
    static RECT WindowRect(HWND hWnd) {
        RECT rect;
        GetWindowRect(hWnd, &rect);
        return rect;
    }

    // Where a row begins, as the list lays its rows out.
    int RowTop(int nRow) { return (nRow - List().GetTopIndex()) * List().GetItemHeight(0); }
    // Real mouse and key messages to the list.
    void Mouse(UINT nMessage, int x, int y, WPARAM nKeys = 0) {
        PostMessageA(List().m_hWnd, nMessage, nKeys, MAKELPARAM(x, y));
        Pump(m_dlg);
    }
    // What the list's window shows at a point, without repainting first.
    COLORREF ListPixel(int x, int y) {
        HDC hDC = GetDC(List().m_hWnd);
        const COLORREF colour = GetPixel(hDC, x, y);
        ReleaseDC(List().m_hWnd, hDC);
        return colour;
    }
    void ClickAt(int x, int y, WPARAM nKeys = 0) {
        Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON | nKeys);
        Mouse(WM_LBUTTONUP, x, y, nKeys);
    }
    void Drag(int nFromRow, int x, int y) {
        Mouse(WM_LBUTTONDOWN, 50, RowTop(nFromRow) + 10, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 50, RowTop(nFromRow) + 12, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, x, y, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, x, y);
    }
    // A key on the list (or another window), with those held (VK_CONTROL,
    // VK_SHIFT) as the keyboard's state tells.
    void Key(WPARAM nKey, std::initializer_list<int> held = {}, HWND hWnd = nullptr) {
        BYTE state[256];
        GetKeyboardState(state);
        for (int nHeld : held)
            state[nHeld] = 0x80;
        SetKeyboardState(state);
        PostMessageA(hWnd ? hWnd : List().m_hWnd, WM_KEYDOWN, nKey, 0);
        Pump(m_dlg);
        for (int nHeld : held)
            state[nHeld] = 0;
        SetKeyboardState(state);
    }

    CSettingsFile m_settings;
    CAnswerer m_answerer;
    CSimFolder m_sim;
    CTestManagerDlg m_dlg;
};
