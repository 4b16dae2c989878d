#include "MainWindowTest.h"

#include "resource.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

const std::string kLibrary = "[General]\r\nTitle=Mine\r\n"
                             "[Area.001]\r\nTitle=Alpha\r\nActive=TRUE\r\nRequired=TRUE\r\n"
                             "Local=Scenery\\Alpha\r\n"
                             "[Area.002]\r\nTitle=ABCD\r\nActive=FALSE\r\n";

class WindowSizeAndDrop : public CMainWindowTest {
protected:
    WindowSizeAndDrop() : CMainWindowTest(kLibrary) {}

    RECT Rect(HWND hWnd) const {
        RECT rect;
        GetWindowRect(hWnd, &rect);
        return rect;
    }
    RECT Child(int nID) const { return Rect(m_dlg.GetDlgItem(nID)); }
    std::string Settings(const std::string& place) const {
        return "[Tarnwick]\r\nFS2004Path=" + m_sim.WinPath() + "\\\r\n" + place;
    }
    // Posts the files as the system hands a drop to a window: a DROPFILES
    // header and the names, each ending in a zero and a zero after the last,
    // in a block of global memory the receiver frees.
    void DropFiles(const std::vector<std::string>& paths) {
        std::string names;
        for (const std::string& path : paths)
            names += path + '\0';
        names += '\0';
        HGLOBAL hBlock = GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
        auto* pDrop = static_cast<DROPFILES*>(GlobalLock(hBlock));
        pDrop->pFiles = sizeof(DROPFILES);
        pDrop->pt = {40, 40};
        std::memcpy(pDrop + 1, names.data(), names.size());
        GlobalUnlock(hBlock);
        m_dlg.PostMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(hBlock));
        Pump(m_dlg);
    }
};

int Width(const RECT& rect) {
    return rect.right - rect.left;
}

int Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

} // namespace

TEST_F(WindowSizeAndDrop, ResizeGrowsListAndTreeMovesTheButtonsAndStopsAtTheTemplateSize) {
    Run([&] {
        const RECT window = Rect(m_dlg.m_hWnd), list = Child(IDC_LIST_SCENERY),
                   tree = Child(IDC_TREE_FOLDERS), add = Child(IDC_ADD_SCENERY),
                   arrow = Child(IDC_ADD_TO_FOLDER), newFolder = Child(IDC_NEW_FOLDER),
                   save = Child(IDC_SAVE), quit = Child(IDOK);
        EXPECT_TRUE(GetWindowLongA(m_dlg.m_hWnd, GWL_STYLE) & WS_MAXIMIZEBOX);
        SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, Width(window) + 200, Height(window) + 100,
                     SWP_NOMOVE | SWP_NOZORDER);
        Pump(m_dlg);

        const int nListGrowth = Width(Child(IDC_LIST_SCENERY)) - Width(list);
        EXPECT_EQ(nListGrowth + Width(Child(IDC_TREE_FOLDERS)) - Width(tree), 200);
        EXPECT_NEAR(nListGrowth, 200.0 * Width(list) / (Width(list) + Width(tree)), 1);
        EXPECT_EQ(Height(Child(IDC_LIST_SCENERY)), Height(list) + 100);
        EXPECT_EQ(Height(Child(IDC_TREE_FOLDERS)), Height(tree) + 100);
        EXPECT_EQ(Child(IDC_TREE_FOLDERS).left, tree.left + nListGrowth);
        // Each as far from what it sits under (or beside) as before.
        const struct {
            RECT before;
            int nID, dx, dy;
        } moved[] = {{add, IDC_ADD_SCENERY, 0, 100},
                     {arrow, IDC_ADD_TO_FOLDER, nListGrowth, 50},
                     {newFolder, IDC_NEW_FOLDER, nListGrowth, 100},
                     {save, IDC_SAVE, 200, 100},
                     {quit, IDOK, 200, 100}};
        for (const auto& button : moved) {
            const RECT now = Child(button.nID);
            EXPECT_EQ(now.left, button.before.left + button.dx) << button.nID;
            EXPECT_EQ(now.top, button.before.top + button.dy) << button.nID;
            EXPECT_EQ(Width(now), Width(button.before)) << button.nID;
        }

        SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
        Pump(m_dlg);
        EXPECT_EQ(Width(Rect(m_dlg.m_hWnd)), Width(window));
        EXPECT_EQ(Height(Rect(m_dlg.m_hWnd)), Height(window));
        const RECT smallest = Child(IDC_LIST_SCENERY);
        EXPECT_TRUE(EqualRect(&list, &smallest));
    });
}

// Moved, then maximized in a later run: the normal place stays and the
// state is added.
TEST_F(WindowSizeAndDrop, PlaceIsKeptOnceTheUserMovedOrMaximizedTheWindow) {
    std::string place;
    Run([&] {
        const RECT window = Rect(m_dlg.m_hWnd);
        MoveWindow(m_dlg.m_hWnd, 50, 40, Width(window) + 100, Height(window) + 60, TRUE);
        place = "WindowPlacement=50,40," + std::to_string(50 + Width(window) + 100) + "," +
                std::to_string(40 + Height(window) + 60);
    });
    EXPECT_EQ(m_settings.Read(), Settings(place + ",0\r\n"));

    CTestManagerDlg again;
    RunMain(again, [&] {
        again.PostMessage(WM_SYSCOMMAND, SC_MAXIMIZE);
        Pump(again);
        EXPECT_TRUE(IsZoomed(again.m_hWnd));
        Click(again, IDOK);
    });
    EXPECT_EQ(m_settings.Read(), Settings(place + ",1\r\n"));
}

TEST_F(WindowSizeAndDrop, KeptPlaceIsRestoredNormalOrMaximized) {
    for (const char* pszFlag : {"0", "1"}) {
        const std::string kept = "WindowPlacement=60,50,1260,950," + std::string(pszFlag) + "\r\n";
        m_settings.Write(Settings(kept));
        CTestManagerDlg dlg;
        RunMain(dlg, [&] {
            WINDOWPLACEMENT placement{};
            placement.length = sizeof placement;
            GetWindowPlacement(dlg.m_hWnd, &placement);
            const RECT expected{60, 50, 1260, 950};
            EXPECT_TRUE(EqualRect(&placement.rcNormalPosition, &expected));
            EXPECT_EQ(IsZoomed(dlg.m_hWnd) != FALSE, *pszFlag == '1');
            if (*pszFlag == '0') {
                const RECT window = Rect(dlg.m_hWnd);
                EXPECT_TRUE(EqualRect(&window, &expected));
            }
            Click(dlg, IDOK);
        });
        EXPECT_EQ(m_settings.Read(), Settings(kept));
    }
}

// A place on no screen, and text that names no place, leave the window where
// it opens without one, and a window left untouched writes nothing new.
TEST_F(WindowSizeAndDrop, PlaceOffEveryScreenOrUnreadableIsIgnoredAndLeftAsItIs) {
    RECT opened{};
    Run([&] { opened = Rect(m_dlg.m_hWnd); });
    for (const char* pszPlace : {"-30000,-30000,-29000,-29500,0", "60,50,40,950,0", "near"}) {
        const std::string text = Settings("WindowPlacement=" + std::string(pszPlace) + "\r\n");
        m_settings.Write(text);
        CTestManagerDlg dlg;
        RunMain(dlg, [&] {
            const RECT window = Rect(dlg.m_hWnd);
            EXPECT_TRUE(EqualRect(&window, &opened)) << pszPlace;
            Click(dlg, IDOK);
        });
        EXPECT_EQ(m_settings.Read(), text);
    }
}

// As the file manager drops them: a scenery folder, one the library holds,
// one without scenery and a plain file; one area added, on top and named as
// Add proposes, in one undo step, the rest in one box.
TEST_F(WindowSizeAndDrop, DroppedSceneryFolderIsAddedAndTheOthersNamedInOneBox) {
    for (const char* pszFolder : {"Addon/New/scenery", "Scenery/Alpha/scenery", "Addon/Empty"})
        std::filesystem::create_directories(m_sim.Path(pszFolder));
    m_sim.Write("Addon/New/scenery/a.bgl", "");
    m_sim.Write("readme.txt", "");
    const std::string sim = m_sim.WinPath() + "\\";
    Run([&] {
        DropFiles(
            {sim + "Addon\\New", sim + "Scenery\\Alpha", sim + "Addon\\Empty", sim + "readme.txt"});
        ASSERT_EQ(List().GetCount(), 3);
        const CLibraryDocument& doc = m_dlg.Document();
        EXPECT_EQ(doc.Area(doc.Rows()[0].nArea).GetTitle(), "New");
        EXPECT_EQ(doc.Area(doc.Rows()[0].nArea).GetLocal(), "Addon\\New");
        m_dlg.PostMessage(WM_SYSCOMMAND, IDM_UNDO);
        Pump(m_dlg);
        EXPECT_EQ(List().GetCount(), 2);
        EXPECT_FALSE(doc.CanUndo());
    });
    ASSERT_EQ(m_answerer.m_aBoxes.size(), 1u);
    EXPECT_EQ(m_answerer.m_aBoxes[0], "Tarnwick|Not added:\n" + sim +
                                          "Scenery\\Alpha: already in the library\n" + sim +
                                          "Addon\\Empty: no scenery files in its scenery folder\n" +
                                          sim + "readme.txt: not a folder");
}
