#pragma once

// The main window: the scenery list, the folder tree and the buttons, laid
// out for the window's size and DPI, and the question before it closes.
// It holds the one open library and the views of it; its commands live in
// three targets by what they act on (the areas of the list, the folders of
// the tree, the library as a whole), to which the window routes what its
// own table does not serve.

#include "AreaCommands.h"
#include "Controls.h"
#include "Dialog.h"
#include "FolderCommands.h"
#include "HelpToolTipCtrl.h"
#include "Layout.h"
#include "LibraryCommands.h"
#include "WindowPlace.h"

#include <memory>
#include <string>
#include <vector>

class CManagerDlg : public CDialog, public CLibraryDialogs {
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

protected:
    CLibraryDocument m_doc;

public:
    CLibraryView m_view{m_doc, m_listScenery, m_treeFolders};
    CAreaCommands m_areaCommands{Context()};
    CFolderCommands m_folderCommands{Context()};
    CLibraryCommands m_libraryCommands{Context(), *this};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnClose();
    LRESULT OnQueryEndSession(WPARAM wParam, LPARAM lParam);
    void OnFind();
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    // The window moved to a monitor of another DPI: the system scales the
    // template's controls, the sizes of our own follow.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    // Finds the simulator folder: the registry, else the settings file, else
    // the user; empty when none is known.
    std::string LocateSimFolder();
    void SaveSettings();
    // The list's and the tree's font, rows and pictures, the buttons' icons
    // and the tips' width, sized for the DPI.
    void ApplyDpi(UINT nDpi);

    // The reading of the airports, on copies of the library's rows; tests
    // make it slow.
    CIndexWork AirportIndexWork() const override;

    DECLARE_MESSAGE_MAP()

private:
    CCommandContext Context() { return {*this, m_doc, m_view, m_listScenery, m_treeFolders}; }
    // Before the window closes with unsaved changes: whether it may.
    bool ConfirmClose();
    // The window's keys, wherever the focus is; whether the key was one.
    bool OnShortcut(const MSG& msg);
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
};
