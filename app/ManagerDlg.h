#pragma once

// The main window: the scenery list, the folder tree and their commands.
// Its members are the program's shared state.

#include "AreaArray.h"
#include "Controls.h"
#include "Dialog.h"
#include "Folder.h"
#include "FolderTreeCtrl.h"
#include "HelpToolTipCtrl.h"
#include "LibraryFiles.h"
#include "SceneryCfg.h"
#include "SceneryHeader.h"
#include "SceneryListBox.h"

#include <memory>
#include <string>
#include <vector>

class CManagerDlg : public CDialog {
public:
    explicit CManagerDlg(CWnd* pParent = nullptr);
    ~CManagerDlg() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    CEdit m_editFind;
    CButton m_btnAddToFolder;
    CSceneryListBox m_listScenery;
    CFolderTreeCtrl m_treeFolders;
    CHelpToolTipCtrl m_toolTip;
    HICON m_hIcon;
    std::unique_ptr<CFont> m_pFont;
    CImageList m_imageList;
    std::string m_strSceneryCfgPath;
    std::string m_strFolderTxtPath;
    std::string m_strBrowsePath;
    std::string m_strSimPath;
    CSceneryHeader m_header;
    CAreaArray m_areas;
    CFolderArray m_folders;
    // How scenery.cfg and Folder.txt fared at start-up: a file that was there
    // but could not be read is never replaced. Their disk states follow every
    // Save, and the user's Yes to replacing another program's changes.
    CLibraryFiles m_files;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    // The library's health check, in a box.
    void OnCheckLibrary();
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnClose();
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
    void OnRemoveFolder();
    void OnRenameFolder();
    void OnScanDirectory();
    LRESULT OnToggleActive(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteScenery(WPARAM wParam, LPARAM lParam);
    LRESULT OnListDoubleClick(WPARAM wParam, LPARAM lParam);

    // Add and Scan once the folder is chosen: one area for the scenery
    // folder, named by the user; one for every scenery folder inside.
    void AddSceneryFolder(const std::string& folder);
    void AddSceneryFolders(const std::string& directory);
    // Finds the simulator folder: the registry, else the settings file, else
    // the user; empty when none is known.
    std::string LocateSimFolder();
    void SaveSettings();
    void FillSceneryList();
    void FillFolderTree();
    int FindFolder(HTREEITEM hItem) const;
    int FindListIndex(int nArea) const;
    void ToggleTreeItem(HTREEITEM hItem);
    void HighlightFolderAreas(HTREEITEM hItem);
    // The tree keeps no item of an area the user removed.
    void RemoveAreaFromTree(int nArea);
    // Each folder's expand flag from the tree: 1 when it is expanded and has
    // an item in it.
    void StoreExpandStates();

    DECLARE_MESSAGE_MAP()

private:
    void ShowError(const std::string& text);
    CLibraryPaths Paths() const { return {m_strSceneryCfgPath, m_strFolderTxtPath}; }
    // The first folder entry showing the tree item, or false.
    bool FindEntry(HTREEITEM hItem, int& nFolder, int& nEntry) const;
    // Why a folder name was refused.
    void WarnFolderName(const std::string& reason);
    // The rows of the areas show them in a folder or in none.
    void ShowFolderMarks(const std::vector<int>& aAreas, bool bInFolder);
    // The row of every area shown in the list, found in one pass (-1: none).
    std::vector<int> RowsByArea() const;
    // The question before an area goes: true on Yes.
    bool ConfirmRemove();
    // The question when another program changed the files since they were
    // read or saved: true when there is none or on Yes.
    bool ConfirmReplaceChangedFiles();
};
