#pragma once

// The sets of the library's files kept in the backups folder, newest first,
// and for the one selected what going back to it would change in the library
// as it stands (saved or not), or why it cannot be restored. The dialog
// changes nothing: Restore ends it with IDOK, ChosenSet() holding the set
// read, for the window to make the library hold it as one step. Open folder
// shows the set's files in the file manager.

#include "Controls.h"
#include "Dialog.h"
#include "LibraryDifferences.h"
#include "LibraryDocument.h"

#include <string>
#include <vector>

class CBackupsDlg : public CDialog {
public:
    // The document outlives the dialog.
    explicit CBackupsDlg(const CLibraryDocument& doc, CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The selected set as read, once Restore ended the dialog.
    CLibrarySet& ChosenSet() { return m_set; }

    CListCtrl m_listSets;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnRestore();
    // For a set that can be restored and differs from the library.
    void OnUpdateRestore(CCmdUI* pCmdUI);
    void OnOpenFolder();
    void OnUpdateOpenFolder(CCmdUI* pCmdUI);
    void OnSetChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    int SelectedSet() const { return m_listSets.GetNextItem(-1, LVNI_SELECTED); }
    // Reads the set of that row and shows what going back to it changes.
    void ShowSet(int nSet);
    bool CanRestore() const;

    const CLibraryDocument& m_doc;
    std::vector<CBackupSet> m_sets;
    int m_nShown = -1;       // the row whose set m_set holds
    CLibrarySet m_set;       // that set, read
    std::string m_strWhyNot; // why it cannot be restored, or empty
    bool m_bDiffers = false; // whether it differs from the library
};
