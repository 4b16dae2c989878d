#pragma once

// The main window: the scenery list, the folder tree and their commands. It
// holds its controls and the one open library; each handler asks the user,
// changes the library and has the views show the change.

#include "AirportsDlg.h"
#include "Controls.h"
#include "Dialog.h"
#include "FolderTreeCtrl.h"
#include "HelpToolTipCtrl.h"
#include "IndexProgressDlg.h"
#include "Layout.h"
#include "LibraryDocument.h"
#include "ProfilesDlg.h"
#include "SceneryListBox.h"
#include "WindowPlace.h"

#include <memory>
#include <string>
#include <vector>

class CManagerDlg : public CDialog {
public:
    explicit CManagerDlg(CWnd* pParent = nullptr);
    ~CManagerDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    const CLibraryDocument& Document() const { return m_doc; }

    CEdit m_editFind;
    CButton m_btnAddToFolder;
    CSceneryListBox m_listScenery;
    CFolderTreeCtrl m_treeFolders;
    CHelpToolTipCtrl m_toolTip;
    HICON m_hIcon;
    std::unique_ptr<CFont> m_pFont;
    CImageList m_imageList;
    // The pictures of the buttons that show one, at the window's DPI.
    std::vector<CIcon> m_aButtonIcons;
    // Where the folder browsers open: the folder last chosen.
    std::string m_strBrowsePath;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    // The library's health check, in a box.
    void OnCheckLibrary();
    // The library's airports; Show in list selects the chosen one's area.
    void OnAirports();
    // The Profiles dialog, unless Profiles.txt could not be read.
    void OnProfiles();
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnClose();
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);
    void OnSave();
    void OnFind();
    void OnNewFolder();
    void OnAddToFolder();
    void OnUpdateFolderCommand(CCmdUI* pCmdUI);
    void OnRemoveFromFolder();
    void OnUpdateRemoveFromFolder(CCmdUI* pCmdUI);
    void OnAddScenery();
    void OnRemoveScenery();
    void OnUpdateRemoveScenery(CCmdUI* pCmdUI);
    void OnRenameScenery();
    void OnUpdateRenameScenery(CCmdUI* pCmdUI);
    void OnTreeClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeKeyDown(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTreeItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRemoveFolder();
    void OnRenameFolder();
    void OnScanDirectory();
    void OnUndo();
    void OnRedo();
    LRESULT OnToggleActive(WPARAM wParam, LPARAM lParam);
    LRESULT OnMoveScenery(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteScenery(WPARAM wParam, LPARAM lParam);
    LRESULT OnListDoubleClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropFiles(WPARAM wParam, LPARAM lParam);
    // The window moved to a monitor of another DPI: the system scales the
    // template's controls, the sizes of our own follow.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    // Add and Scan once the folder is chosen: one area for the scenery
    // folder, named by the user; one for every scenery folder inside.
    void AddSceneryFolder(const std::string& folder);
    void AddSceneryFolders(const std::string& directory);
    // Dropped files and folders: an area for each scenery folder new to the
    // library, in one step; the others named in one box, with why.
    void AddDroppedFolders(const std::vector<std::string>& paths);
    // Finds the simulator folder: the registry, else the settings file, else
    // the user; empty when none is known.
    std::string LocateSimFolder();
    void SaveSettings();
    // The views anew from the library.
    void FillSceneryList();
    void FillFolderTree();
    void ToggleTreeItem(HTREEITEM hItem);
    void HighlightFolderAreas(HTREEITEM hItem);
    // The list's and the tree's font, rows and pictures, the buttons' icons
    // and the tips' width, sized for the DPI.
    void ApplyDpi(UINT nDpi);

    DECLARE_MESSAGE_MAP()

private:
    void ShowError(const std::string& text);
    // Whether a library is open; else a box captioned as the command says
    // there is nothing to show ("airports", "profiles").
    bool IsLibraryOpen(const char* pszNothing, const char* pszCaption);
    // Save and its questions; whether the files were written.
    bool Save();
    // Takes the library's lock, asking whether to try again while another
    // program holds it; whether it was taken (or cannot be had at all). What
    // it found of a save that died is told once it is let go.
    bool LockLibrary();
    // What taking the lock found of a save that died, in a box.
    void ShowRecovery();
    // The wait for the lock, the window's messages flowing meanwhile.
    static CLockWait LockWait();
    // Whether the user wants to try again for a lock another program holds.
    bool AskRetryLocked();
    // Why a Save wrote nothing, or what it left as it was, in a box.
    void ShowSaveResult(const CSaveResult& write, const std::vector<std::string>& names);
    // Before the window closes with unsaved changes: whether it may.
    bool ConfirmClose();
    // Why a folder name was refused.
    void WarnFolderName(const std::string& reason);
    // The rows show the switches and folder marks the changes made.
    void ShowChanges(const CChanges& changes);
    // The rows of the areas show them in a folder or in none.
    void ShowFolderMarks(const std::vector<int>& aAreas, bool bInFolder);
    // The library's airports as it stands, read on a worker thread behind
    // the progress dialog; false when the user stopped the reading.
    bool IndexAirports(CAirportIndex& index);
    void UpdateUndoMenu();
    // The views anew after a step taken back or done again, its row or else
    // its folder selected and in view.
    void ShowStep(const CStepPlace& shown);
    // The question before the areas go: true on Yes.
    bool ConfirmRemove(std::size_t nCount);
    // The areas of the list's rows, top first.
    std::vector<int> AreasOfRows(const std::vector<int>& aRows) const;
    // Remove and Delete: the selected rows' areas, after the question.
    void RemoveSelectedRows();
    // The selected rows as one block above row nBefore (-1: to the end).
    void MoveSelectedRows(int nBefore);
    // The window's keys, wherever the focus is; whether the key was one.
    bool OnShortcut(const MSG& msg);
    // The question when another program changed the files since they were
    // read or saved: true when there is none or on Yes.
    bool ConfirmReplaceChangedFiles();
    // The controls follow the window's size from now on, and the window
    // takes the place kept from an earlier run, when it lies on a screen.
    void InitWindowLayout();
    // Where the window stands, as the settings file keeps it.
    CWindowPlace CurrentPlace() const;
    // The window takes folders dropped by other programs, elevated or not.
    void AcceptDroppedFolders();

    CLayout m_layout;
    // The place the window opened in: kept in the settings only when the
    // user moved, sized or maximized the window since.
    CWindowPlace m_openedPlace;

protected:
    // The reading of the airports, on copies of the library's rows; tests
    // make it slow.
    virtual CIndexWork AirportIndexWork() const;
    // Runs the Airports dialog modally; tests drive it instead.
    virtual INT_PTR RunAirportsDlg(CAirportsDlg& dlg) { return dlg.DoModal(); }
    // Runs the Profiles dialog modally; tests drive it instead.
    virtual INT_PTR RunProfilesDlg(CProfilesDlg& dlg) { return dlg.DoModal(); }

    CLibraryDocument m_doc;
};
