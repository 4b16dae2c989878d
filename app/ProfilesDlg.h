#pragma once

// The library's profiles: one row each, with how many of its areas the
// library holds and whether the areas on now are exactly its set. Every
// button is one change of the library, made on the document after the
// question it needs; the rows follow each change, and the switches an
// applied profile makes are handed to the main window to show.

#include "Controls.h"
#include "Dialog.h"
#include "LibraryDocument.h"

#include <functional>
#include <string>

class CProfilesDlg : public CDialog {
public:
    using CShowSwitches = std::function<void(const CChanges&)>;
    CProfilesDlg(CLibraryDocument& doc, CShowSwitches showSwitches, CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CListCtrl m_listProfiles;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnApply();
    void OnSaveCurrent();
    void OnRename();
    void OnDelete();
    // Apply, Rename and Delete act on the selected profile.
    void OnUpdateSelectionCommand(CCmdUI* pCmdUI);
    void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The selected row's profile, or -1.
    int SelectedProfile() const;
    // The rows anew from the document, that profile selected (-1: none).
    void ShowProfiles(int nSelected);
    void Warn(const std::string& text);
    // A Yes/No question, No the default: true on Yes.
    bool Confirm(const std::string& question);

    CLibraryDocument& m_doc;
    CShowSwitches m_showSwitches;
};
