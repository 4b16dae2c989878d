#include "MainWindowTest.h"

#include "resource.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Library() {
    std::string text;
    for (int i = 0; i < 6; ++i) {
        text += "[area." + std::to_string(i + 1) + "]\r\nTitle=A" + std::to_string(i) +
                "\r\nActive=TRUE\r\nLocal=Scenery\\A" + std::to_string(i) + "\r\n";
    }
    return text;
}
const std::string kFolders = "[Group]\r\nActive=1\r\nExpand=0\r\n"
                             "Title.0=A0\r\nLocal.0=Scenery\\A0\r\n";

// Six areas, the rows from the top showing A5 down to A0, and a folder
// Group holding A0.
class ListSelection : public CMainWindowTest {
public:
    // For the gestures of the table below.
    using CMainWindowTest::Drag;
    using CMainWindowTest::List;
    CTestManagerDlg& Dlg() { return m_dlg; }
    CAnswerer& Answerer() { return m_answerer; }

    // A click on the row with the keys held (MK_CONTROL, MK_SHIFT); a
    // double-click adds its second press.
    void ClickRow(int nRow, WPARAM nKeys = 0, int x = 50, bool bDouble = false) {
        Mouse(WM_LBUTTONDOWN, x, nRow * 20 + 10, MK_LBUTTON | nKeys);
        Mouse(WM_LBUTTONUP, x, nRow * 20 + 10, nKeys);
        if (bDouble) {
            Mouse(WM_LBUTTONDBLCLK, x, nRow * 20 + 10, MK_LBUTTON);
            Mouse(WM_LBUTTONUP, x, nRow * 20 + 10);
        }
    }
    void CtrlClick(std::initializer_list<int> rows) {
        for (int nRow : rows)
            ClickRow(nRow, MK_CONTROL);
    }
    void SelectFolder() { m_dlg.m_treeFolders.SelectItem(m_dlg.m_treeFolders.FolderItem(0)); }

protected:
    ListSelection() : CMainWindowTest(Library()) { m_sim.Write("Folder.txt", kFolders); }

    std::string Order() {
        std::string order;
        for (int n = 0; n < List().GetCount(); ++n)
            order += List().GetText(n).substr(1);
        return order;
    }
    // A key with Alt held, as the system sends it.
    void AltKey(WPARAM nKey) {
        PostMessageA(List().m_hWnd, WM_SYSKEYDOWN, nKey, 1 << 29);
        Pump(m_dlg);
    }
};

// A change made on the library's document, and the gestures that make it
// in the window with the selection they leave.
struct CBlockCase {
    const char* pszName;
    std::function<void(CLibraryDocument&)> change;
    std::vector<int> selected;
    std::function<void(ListSelection&)> gestures;
};
void PrintTo(const CBlockCase& c, std::ostream* pOut) {
    *pOut << c.pszName;
}

class ListSelectionBlocks : public ListSelection,
                            public ::testing::WithParamInterface<CBlockCase> {};

// Rows 2 and 4 show A3 and A1.
void AddTwoAndFour(CLibraryDocument& doc) {
    doc.AddToFolder(0, std::vector{3, 1});
}

const CBlockCase kBlocks[] = {
    {"RowsOneApartDraggedTogetherAboveTheMark",
     [](CLibraryDocument& doc) {
         doc.MoveRows({{1, 3}}, 5);
     },
     {3, 4},
     [](ListSelection& test) {
         test.CtrlClick({1, 3});
         test.Drag(3, 50, 5 * 20 + 5);
     }},
    {"ShiftSelectedRowsSwitchedByTheBoxOfOne",
     [](CLibraryDocument& doc) {
         doc.SetAreasActive({{4, 3, 2}}, false);
     },
     {1, 2, 3},
     [](ListSelection& test) {
         test.ClickRow(1);
         test.ClickRow(3, MK_SHIFT);
         test.ClickRow(2, 0, 5);
     }},
    {"TwoRowsRemovedAfterOneQuestion",
     [](CLibraryDocument& doc) {
         doc.RemoveAreas({{5, 0}});
     },
     {0},
     [](ListSelection& test) {
         test.CtrlClick({0, 5});
         test.Answerer().m_nButton = IDYES;
         Click(test.Dlg(), IDC_REMOVE_SCENERY);
         EXPECT_EQ(test.Answerer().m_aBoxes.back(),
                   "Warning|Do you really want to remove these 2 sceneries ?");
     }},
    {"TwoRowsAddedToTheFolderByTheArrow",
     AddTwoAndFour,
     {2, 4},
     [](ListSelection& test) {
         test.CtrlClick({2, 4});
         test.SelectFolder();
         Click(test.Dlg(), IDC_ADD_TO_FOLDER);
     }},
    {"TwoRowsAddedToTheFolderByADoubleClickOnOne",
     AddTwoAndFour,
     {2, 4},
     [](ListSelection& test) {
         test.CtrlClick({2, 4});
         test.SelectFolder();
         test.ClickRow(4, 0, 50, true);
     }},
};

} // namespace

// Each gesture on several rows is one step, and Save writes what the same
// change made on the document writes.
TEST_P(ListSelectionBlocks, SavesTheBytesOfTheSameChangeOnTheDocument) {
    CSimFolder expected(Library());
    expected.Write("Folder.txt", kFolders);
    CLibraryDocument doc;
    ASSERT_EQ(doc.Open(SimPathFromFolder(expected.WinPath())), "");
    GetParam().change(doc);
    ASSERT_EQ(doc.Save().outcome, CSaveResult::kWritten);
    Run([&] {
        GetParam().gestures(*this);
        EXPECT_EQ(List().GetSelRows(), GetParam().selected);
        ASSERT_TRUE(m_dlg.Document().CanUndo());
        Click(m_dlg, IDC_SAVE);
        m_dlg.Doc().Undo();
        EXPECT_FALSE(m_dlg.Document().CanUndo());
    });
    EXPECT_EQ(m_sim.Read("scenery.cfg"), expected.Read("scenery.cfg"));
    EXPECT_EQ(m_sim.Read("Folder.txt"), expected.Read("Folder.txt"));
}

INSTANTIATE_TEST_SUITE_P(Each, ListSelectionBlocks, ::testing::ValuesIn(kBlocks),
                         [](const auto& info) { return info.param.pszName; });

TEST_F(ListSelection, PressInsideTheSelectionChangesItOnlyAtTheReleaseWithoutDrag) {
    Run([&] {
        CtrlClick({1, 3});
        Mouse(WM_LBUTTONDOWN, 50, 3 * 20 + 10, MK_LBUTTON);
        EXPECT_EQ(List().GetSelRows(), (std::vector<int>{1, 3}));
        Mouse(WM_LBUTTONUP, 50, 3 * 20 + 10);
        EXPECT_EQ(List().GetSelRows(), std::vector<int>{3});
        // The list's own tracking would select the rows passed over; a drag
        // let go beside the list keeps the selection.
        CtrlClick({1});
        Mouse(WM_LBUTTONDOWN, 50, 3 * 20 + 10, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 50, 4 * 20 + 10, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, 50, 5 * 20 + 10, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, -5, 5 * 20 + 10);
        EXPECT_EQ(Order(), "543210");
        // Ctrl+click takes a row out of the selection.
        CtrlClick({4, 3});
        EXPECT_EQ(List().GetSelRows(), (std::vector<int>{1, 4}));
    });
}

TEST_F(ListSelection, ButtonsFollowTheSelectedRows) {
    Run([&] {
        auto enabled = [&](int nID) { return IsWindowEnabled(m_dlg.GetDlgItem(nID)) != FALSE; };
        CtrlClick({1, 2});
        EXPECT_TRUE(enabled(IDC_REMOVE_SCENERY));
        EXPECT_FALSE(enabled(IDC_RENAME_SCENERY));
        m_answerer.m_strName = "Renamed";
        Key(VK_F2);
        EXPECT_EQ(List().GetText(1), "A4");
        CtrlClick({2});
        EXPECT_TRUE(enabled(IDC_RENAME_SCENERY));
        Key(VK_F2);
        EXPECT_EQ(List().GetText(1), "Renamed");
    });
}

TEST_F(ListSelection, KeysSelectMoveSwitchAndRemoveTheSelectedRows) {
    Run([&] {
        List().SetCurSel(1);
        Key(VK_DOWN, {VK_SHIFT});
        EXPECT_EQ(List().GetSelRows(), (std::vector<int>{1, 2}));
        AltKey(VK_DOWN);
        EXPECT_EQ(Order(), "524310");
        AltKey(VK_END);
        EXPECT_EQ(Order(), "521043");
        AltKey(VK_HOME);
        EXPECT_EQ(Order(), "435210");
        AltKey(VK_UP);
        EXPECT_EQ(Order(), "435210");
        AltKey(VK_DOWN);
        EXPECT_EQ(Order(), "543210");
        EXPECT_EQ(List().GetSelRows(), (std::vector<int>{1, 2}));

        Key(VK_SPACE);
        EXPECT_TRUE(!List().IsItemActive(1) && !List().IsItemActive(2) && List().IsItemActive(3));
        EXPECT_EQ(List().GetSelRows(), (std::vector<int>{1, 2}));

        m_answerer.m_nButton = IDYES;
        Key(VK_DELETE);
        EXPECT_EQ(Order(), "5210");
        Key('A', {VK_CONTROL});
        EXPECT_EQ(List().GetSelCount(), 4);
    });
    EXPECT_EQ(m_answerer.m_aBoxes.front(),
              "Warning|Do you really want to remove these 2 sceneries ?");
}

TEST_F(ListSelection, CtrlSSavesCtrlFGoesToFindAndEnterThereFinds) {
    Run([&] {
        List().SetCurSel(0);
        Key(VK_RETURN); // nothing, as before
        EXPECT_EQ(List().GetCurSel(), 0);
        Key('F', {VK_CONTROL});
        EXPECT_EQ(GetFocus(), m_dlg.m_editFind.m_hWnd);
        m_dlg.m_editFind.SetWindowText("a2");
        Key(VK_RETURN, {}, m_dlg.m_editFind.m_hWnd);
        EXPECT_EQ(List().GetSelRows(), std::vector<int>{3});
        Key(VK_SPACE);
        ASSERT_TRUE(m_dlg.Document().IsModified());
        Key('S', {VK_CONTROL});
        EXPECT_FALSE(m_dlg.Document().IsModified());
    });
    EXPECT_NE(m_sim.Read("scenery.cfg").find("Active=FALSE"), std::string::npos);
}
