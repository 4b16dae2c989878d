#include "LibraryView.h"
#include "LibraryChanges.h"

namespace {

// The list and the tree, made as the main window's template makes them,
// showing a library on disk.
class CViewsOfLibrary : public CLibraryOnDisk {
public:
    explicit CViewsOfLibrary(const std::string& profilesTxt) : CLibraryOnDisk(profilesTxt) {
        m_hParent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                    nullptr, nullptr);
        m_list.SubclassWindow(CreateWindowExA(
            0, "LISTBOX", "", WS_CHILD | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_EXTENDEDSEL, 0,
            0, 200, 300, m_hParent, nullptr, nullptr, nullptr));
        m_tree.SubclassWindow(CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD, 200, 0, 200, 300,
                                              m_hParent, nullptr, nullptr, nullptr));
        m_list.SetRowSource(&m_view);
        m_view.ShowAll();
    }
    ~CViewsOfLibrary() { DestroyWindow(m_hParent); }

    // The rows ("-" switched off, "*" in a folder, the area's index) and
    // the folders with their entries, as the views show them.
    std::string ShownPicture() const {
        std::string text;
        for (int n = 0; n < m_list.GetCount(); ++n)
            text += RowPicture(m_list.GetText(n), m_list.GetItemAreaIndex(n),
                               m_list.IsItemActive(n), m_list.IsItemInFolder(n));
        text += "|";
        for (HTREEITEM hFolder = m_tree.GetNextItem(nullptr, TVGN_ROOT); hFolder;
             hFolder = m_tree.GetNextItem(hFolder, TVGN_NEXT)) {
            text.append(" ").append(m_tree.GetItemText(hFolder)).append("(");
            for (HTREEITEM hEntry = m_tree.GetNextItem(hFolder, TVGN_CHILD); hEntry;
                 hEntry = m_tree.GetNextItem(hEntry, TVGN_NEXT))
                text.append(m_tree.GetItemText(hEntry)).append(";");
            text += ")";
        }
        return text;
    }
    // The same, as the library holds it.
    std::string LibraryPicture() const {
        std::string text;
        for (const CListRow& row : m_doc.Rows())
            text += RowPicture(m_doc.Area(row.nArea).GetTitle(), row.nArea, row.bActive,
                               m_doc.Area(row.nArea).IsInFolder());
        text += "|";
        for (int f = 0; f < m_doc.Folders().GetSize(); ++f) {
            const CFolder& folder = m_doc.Folders().GetAt(f);
            text.append(" ").append(folder.GetName()).append("(");
            for (int e = 0; e < folder.GetCount(); ++e) {
                if (const CSceneryArea& area = m_doc.Area(folder.GetArea(e)); !area.IsRemoved())
                    text.append(area.GetTitle()).append(";");
            }
            text += ")";
        }
        return text;
    }

    HWND m_hParent = nullptr;
    CSceneryListBox m_list;
    CFolderTreeCtrl m_tree;
    CLibraryView m_view{m_doc, m_list, m_tree};

private:
    static std::string RowPicture(const std::string& title, int nArea, bool bActive,
                                  bool bInFolder) {
        return std::string(bActive ? " " : " -")
            .append(title)
            .append(bInFolder ? "*#" : "#")
            .append(std::to_string(nArea));
    }
};

class ViewsOfTheLibrary : public ::testing::TestWithParam<CChangeCase> {};

} // namespace

// What the library returns from a change is all the window needs to show
// it: after the change, its undo and its redo, the list's rows (their text
// and item data, which outside tools read) and the tree's items are the
// library's.
TEST_P(ViewsOfTheLibrary, ShowExactlyTheLibraryAfterEachChangeItsUndoAndRedo) {
    CViewsOfLibrary views(GetParam().profilesTxt);
    views.m_view.Show(GetParam().change(views));
    EXPECT_EQ(views.ShownPicture(), views.LibraryPicture());
    views.m_view.ShowStep(views.m_doc.Undo());
    EXPECT_EQ(views.ShownPicture(), views.LibraryPicture());
    views.m_view.ShowStep(views.m_doc.Redo());
    EXPECT_EQ(views.ShownPicture(), views.LibraryPicture());
}

INSTANTIATE_TEST_SUITE_P(Each, ViewsOfTheLibrary, ::testing::ValuesIn(LibraryChangeCases()),
                         [](const auto& info) { return info.param.pszName; });
