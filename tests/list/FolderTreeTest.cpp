#include "MainWindowTest.h"

#include "resource.h"

#include <filesystem>

namespace {

const std::string kLibrary = "[area.1]\r\nTitle=A0\r\nActive=TRUE\r\nLocal=Scenery\\A0\r\n"
                             "[area.2]\r\nTitle=A1\r\nActive=FALSE\r\nLocal=Scenery\\A1\r\n"
                             "[area.3]\r\nTitle=A2\r\nActive=TRUE\r\nLocal=Scenery\\A2\r\n"
                             "[area.4]\r\nTitle=A3\r\nActive=TRUE\r\nLocal=Scenery\\A3\r\n";
const std::string kFolders =
    "[Mixed]\r\nActive=2\r\nExpand=1\r\n"
    "Title.0=A0\r\nLocal.0=Scenery\\A0\r\nTitle.1=A1\r\nLocal.1=Scenery\\A1\r\n"
    "[One]\r\nActive=1\r\nExpand=0\r\nTitle.0=A2\r\nLocal.0=Scenery\\A2\r\n"
    "[Also]\r\nActive=1\r\nExpand=1\r\nTitle.0=A0\r\nLocal.0=Scenery\\A0\r\n";

// Rows from the top: A3, A2, A1, A0. Folders Mixed (A0, A1), One (A2), Also (A0).
class FolderTree : public CMainWindowTest {
protected:
    FolderTree() : CMainWindowTest(kLibrary) { m_sim.Write("Folder.txt", kFolders); }

    CFolderTreeCtrl& Tree() { return m_dlg.m_treeFolders; }
    HTREEITEM Folder(int f) { return Tree().FolderItem(f); }
    HTREEITEM Entry(int f, int e) { return Tree().EntryItem(f, e); }
    int Image(HTREEITEM hItem) {
        TVITEMA item{};
        item.mask = TVIF_IMAGE;
        item.hItem = hItem;
        SendMessageA(Tree().m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    // A real click on the item's picture (bLabel false) or label.
    void ClickItem(HTREEITEM hItem, bool bLabel) {
        RECT label{};
        TreeView_GetItemRect(Tree().m_hWnd, hItem, &label, TRUE);
        POINT point = {bLabel ? label.left + 4 : label.left - 8, (label.top + label.bottom) / 2};
        POINT screen = point;
        ClientToScreen(Tree().m_hWnd, &screen);
        SetCursorPos(screen.x, screen.y);
        PostMessageA(Tree().m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        PostMessageA(Tree().m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        Pump(m_dlg);
    }
    void SelectInTree(HTREEITEM hItem) {
        Tree().SelectItem(hItem);
        Pump(m_dlg);
    }
};

} // namespace

// What a switch does to the folders is the document's; here, that a click on
// a picture, Space and the list's check zone reach it, and that the list
// and the pictures show what it did.
TEST_F(FolderTree, PicturesSwitchFoldersAndAreasInStepWithTheList) {
    Run([&] {
        ClickItem(Folder(0), false); // grey to empty
        EXPECT_EQ(Image(Entry(0, 0)), 0);
        ClickItem(Entry(0, 1), false); // A1 on
        EXPECT_EQ(Image(Folder(0)), 2);
        EXPECT_TRUE(List().IsItemActive(2));
        SelectInTree(Entry(1, 0));
        Key(VK_SPACE, {}, Tree().m_hWnd);
        EXPECT_EQ(Image(Folder(1)), 0); // the one area of its folder
        ClickAt(5, RowTop(3) + 10);     // A0 on
        EXPECT_EQ(Image(Entry(2, 0)), 1);
    });
}

TEST_F(FolderTree, LabelsMarkTheFolderAreasInTheList) {
    Run([&] {
        ClickItem(Folder(0), true);
        EXPECT_TRUE(List().IsItemInSelectedFolder(3));
        EXPECT_TRUE(List().IsItemInSelectedFolder(2));
        EXPECT_FALSE(List().IsItemInSelectedFolder(1));
        ClickItem(Entry(0, 0), true);
        EXPECT_FALSE(List().IsItemInSelectedFolder(3));
    });
}

// What each move does to the folders is the library's, and what the views
// show of it the view's; here, that the buttons reach it. Rows added by the
// arrow and by a double-click are the ListSelectionBlocks cases.
TEST_F(FolderTree, ButtonsTakeAreasOutOfFoldersAndADoubleClickNeedsAFolder) {
    Run([&] {
        List().SetCurSel(0);                                     // A3, in no folder
        Mouse(WM_LBUTTONDBLCLK, 50, RowTop(0) + 10, MK_LBUTTON); // no folder selected: nothing
        EXPECT_FALSE(m_dlg.Document().Area(3).IsInFolder());
        SelectInTree(Entry(0, 1)); // A1, in Mixed only
        Click(m_dlg, IDC_REMOVE_FROM_FOLDER);
        EXPECT_FALSE(m_dlg.Document().Area(1).IsInFolder());
        SelectInTree(Folder(0));
        Click(m_dlg, IDC_REMOVE_FOLDER);
        EXPECT_EQ(m_dlg.Document().Folders().GetSize(), 2);
    });
}

TEST_F(FolderTree, RemovedAreasLeaveTheTreeAndTheFile) {
    Run([&] {
        m_answerer.m_nButton = IDYES;
        List().SetCurSel(3); // A0, in Mixed and Also
        Click(m_dlg, IDC_REMOVE_SCENERY);
        // The expand states the tree reports are the library's: One opened,
        // Mixed closed from the keyboard.
        for (auto [f, nKey] : {std::pair{1, VK_RIGHT}, std::pair{0, VK_LEFT}}) {
            SelectInTree(Folder(f));
            Key(nKey, {}, Tree().m_hWnd);
        }
        Click(m_dlg, IDC_SAVE);
    });
    EXPECT_EQ(m_sim.Read("Folder.txt"),
              "[Mixed]\r\nActive=2\r\nExpand=0\r\nTitle.0=A1\r\nLocal.0=Scenery\\A1\r\n"
              "[One]\r\nActive=1\r\nExpand=1\r\nTitle.0=A2\r\nLocal.0=Scenery\\A2\r\n"
              "[Also]\r\nActive=1\r\nExpand=0\r\n");
}

TEST_F(FolderTree, RefusedFolderNamesAreSaidAndRenamesReachTheTree) {
    Run([&] {
        m_answerer.m_strName = "mixed";
        Click(m_dlg, IDC_NEW_FOLDER);
        EXPECT_EQ(m_dlg.Document().Folders().GetSize(), 3);
        EXPECT_EQ(m_answerer.m_aBoxes.size(), 1u);
        m_answerer.m_strName = "MIXED";
        SelectInTree(Folder(0));
        Click(m_dlg, IDC_RENAME_FOLDER);
        EXPECT_EQ(Tree().GetItemText(Folder(0)), "MIXED");
    });
}

TEST_F(FolderTree, SaveWritesNeitherFileWhenOneCannotBeKept) {
    std::filesystem::create_directory(m_sim.Path("scenery.cfg.twk-new"));
    Run([&] {
        ClickItem(Folder(0), false);
        Click(m_dlg, IDC_SAVE);
    });
    EXPECT_EQ(m_sim.Read("Folder.txt"), kFolders);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), kLibrary);
    ASSERT_FALSE(m_answerer.m_aBoxes.empty());
    EXPECT_TRUE(m_answerer.m_aBoxes[0].starts_with("Error|" + m_sim.WinPath() +
                                                   "\\scenery.cfg could not be saved: "));
    EXPECT_TRUE(m_answerer.m_aBoxes[0].ends_with(
        "\nNothing was saved: the library's files are as they were."));
}
