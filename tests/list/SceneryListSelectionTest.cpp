#include "MainWindowTest.h"

#include "resource.h"

#include <functional>

namespace {

// Six numbered areas and a folder Group holding A0.
const std::string kLibrary = CMainWindowTest::NumberedAreas(6);
const std::string kFolders =
    "[Group]\r\nActive=1\r\nExpand=0\r\nTitle.0=A0\r\nLocal.0=Scenery\\A0\r\n";
// The one question before two rows go.
const std::vector<std::string> kRemoveTwo{
    "Warning|Do you really want to remove these 2 sceneries ?"};

class ListSelection : public CMainWindowTest {
public:
    // A click on each row with the keys held (MK_CONTROL, MK_SHIFT).
    void ClickRows(std::initializer_list<int> rows, WPARAM nKeys = MK_CONTROL, int x = 50) {
        for (int nRow : rows)
            ClickAt(x, RowTop(nRow) + 10, nKeys);
    }
    // Rows 2 and 4 (A3 and A1) selected, and the folder, on the window and
    // added to it on the document.
    void AddTwoAndFour(CLibraryDocument& doc) {
        doc.AddToFolder(0, std::vector{3, 1});
        ClickRows({2, 4});
        m_dlg.m_treeFolders.SelectItem(m_dlg.m_treeFolders.FolderItem(0));
    }
    ListSelection() : CMainWindowTest(kLibrary) { m_sim.Write("Folder.txt", kFolders); }
};

// A change made on the library's document, and the gestures that make it in
// the window.
struct CBlockCase {
    const char* pszName;
    std::function<void(ListSelection&, CLibraryDocument&)> changes;
};

class ListSelectionBlocks : public ListSelection,
                            public ::testing::WithParamInterface<CBlockCase> {};

const CBlockCase kBlocks[] = {
    {"RowsOneApartDraggedTogetherAboveTheMark",
     [](ListSelection& t, CLibraryDocument& doc) {
         doc.MoveRows(std::vector{1, 3}, 5);
         t.ClickRows({1, 3});
         t.Drag(3, 50, t.RowTop(5) + 5);
         EXPECT_EQ(t.List().GetSelRows(), (std::vector<int>{3, 4}));
     }},
    {"ShiftSelectedRowsSwitchedByTheBoxOfOne",
     [](ListSelection& t, CLibraryDocument& doc) {
         doc.SetAreasActive(std::vector{4, 3, 2}, false);
         t.ClickRows({1}, 0);
         t.ClickRows({3}, MK_SHIFT);
         t.ClickRows({2}, 0, 5);
     }},
    {"TwoRowsRemovedAfterOneQuestion",
     [](ListSelection& t, CLibraryDocument& doc) {
         doc.RemoveAreas(std::vector{5, 0});
         t.ClickRows({0, 5});
         t.m_answerer.m_nButton = IDYES;
         Click(t.m_dlg, IDC_REMOVE_SCENERY);
         EXPECT_EQ(t.m_answerer.m_aBoxes, kRemoveTwo);
     }},
    {"TwoRowsAddedToTheFolderByTheArrow",
     [](ListSelection& t, CLibraryDocument& doc) {
         t.AddTwoAndFour(doc);
         Click(t.m_dlg, IDC_ADD_TO_FOLDER);
     }},
    {"TwoRowsAddedToTheFolderByADoubleClickOnOne",
     [](ListSelection& t, CLibraryDocument& doc) {
         t.AddTwoAndFour(doc);
         t.ClickRows({4}, 0);
         t.Mouse(WM_LBUTTONDBLCLK, 50, t.RowTop(4) + 10, MK_LBUTTON);
         t.Mouse(WM_LBUTTONUP, 50, t.RowTop(4) + 10);
     }},
};

} // namespace

// Each gesture on several rows is one step, and Save writes what the same
// change made on the document writes.
TEST_P(ListSelectionBlocks, SavesTheBytesOfTheSameChangeOnTheDocument) {
    CSimFolder expected(kLibrary);
    expected.Write("Folder.txt", kFolders);
    CLibraryDocument doc;
    ASSERT_EQ(doc.Open(SimPathFromFolder(expected.WinPath())), "");
    Run([&] {
        GetParam().changes(*this, doc);
        Click(m_dlg, IDC_SAVE);
        m_dlg.Doc().Undo();
        EXPECT_FALSE(m_dlg.Document().CanUndo());
    });
    ASSERT_EQ(doc.Save().outcome, CSaveResult::kWritten);
    EXPECT_EQ(m_sim.Read("scenery.cfg"), expected.Read("scenery.cfg"));
    EXPECT_EQ(m_sim.Read("Folder.txt"), expected.Read("Folder.txt"));
}

INSTANTIATE_TEST_SUITE_P(Each, ListSelectionBlocks, ::testing::ValuesIn(kBlocks),
                         [](const auto& info) { return info.param.pszName; });

TEST_F(ListSelection, PressInsideTheSelectionChangesItAtTheReleaseAndKeysActOnTheSelectedRows) {
    Run([&] {
        ClickRows({1, 3});
        Mouse(WM_LBUTTONDOWN, 50, RowTop(3) + 10, MK_LBUTTON);
        EXPECT_EQ(List().GetSelRows(), (std::vector<int>{1, 3}));
        Mouse(WM_LBUTTONUP, 50, RowTop(3) + 10);
        EXPECT_EQ(List().GetSelRows(), std::vector<int>{3});
        Key(VK_UP, {VK_SHIFT}); // rows 2 and 3, as the moves below show
        m_answerer.m_strName = "Renamed";
        Key(VK_F2); // renames one row only
        EXPECT_EQ(List().GetText(2), "A3");
        for (auto [nKey, pszOrder] : {std::pair{VK_DOWN, "541320"}, std::pair{VK_END, "541032"},
                                      std::pair{VK_HOME, "325410"}, std::pair{VK_UP, "325410"}}) {
            PostMessageA(List().m_hWnd, WM_SYSKEYDOWN, nKey, 1 << 29); // Alt held
            Pump(m_dlg);
            EXPECT_EQ(Order(), pszOrder) << nKey;
        }
        Key(VK_SPACE);
        EXPECT_TRUE(!List().IsItemActive(0) && !List().IsItemActive(1) && List().IsItemActive(2));
        m_answerer.m_nButton = IDYES;
        Key(VK_DELETE);
        EXPECT_EQ(Order(), "5410");
        Key('A', {VK_CONTROL});
        EXPECT_EQ(List().GetSelCount(), 4);
        Key('F', {VK_CONTROL});
        EXPECT_EQ(GetFocus(), m_dlg.m_editFind.m_hWnd);
        m_dlg.m_editFind.SetWindowText("a4");
        Key(VK_RETURN, {}, m_dlg.m_editFind.m_hWnd);
        EXPECT_EQ(List().GetSelRows(), std::vector<int>{1});
        Key(VK_F2);
        Key('S', {VK_CONTROL}); // saved: no question at closing, as the boxes show
    });
    EXPECT_EQ(m_answerer.m_aBoxes, kRemoveTwo);
    EXPECT_NE(m_sim.Read("scenery.cfg").find("Title=Renamed"), std::string::npos);
}
