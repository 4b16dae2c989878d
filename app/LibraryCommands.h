#pragma once

// The commands on the library as a whole: opening it at start-up, Save and
// its questions, and the system menu's commands (About, Check library,
// Airports, Profiles, Backups, Undo and Redo), which come from one table.

#include "AirportsDlg.h"
#include "BackupsDlg.h"
#include "CommandTarget.h"
#include "IndexProgressDlg.h"
#include "ProfilesDlg.h"
#include "ResolveDlg.h"
#include "SystemMenu.h"

#include <optional>
#include <string>
#include <vector>

// How the library's dialogs run: the window runs them modally; tests drive
// them instead.
class CLibraryDialogs {
public:
    virtual ~CLibraryDialogs() = default;
    // The reading of the airports, on copies of the library's rows.
    virtual CIndexWork AirportIndexWork() const = 0;
    // Airports, Resolve, Profiles and Backups.
    virtual INT_PTR RunDialog(CDialog& dlg) { return dlg.DoModal(); }
};

class CLibraryCommands : public CCommandTarget {
public:
    CLibraryCommands(const CCommandContext& context, CLibraryDialogs& dialogs)
        : CCommandTarget(context), m_dialogs(dialogs) {}

    // Opens the library of the simulator folder, asking whether to try again
    // while another program holds its lock; false when the user gave up.
    bool OpenLibrary(const std::string& folder);
    // Save and its questions; whether the files were written.
    bool Save();
    void OnSave();
    void OnUndo();
    void OnRedo();
    bool CanUndo() const { return m_doc.CanUndo(); }
    bool CanRedo() const { return m_doc.CanRedo(); }
    // The system menu's items after the window's own, and their greying.
    void AppendSystemMenu() const;
    void UpdateSystemMenu() const;

protected:
    void OnAbout();
    // The library's health check, in a box.
    void OnCheckLibrary();
    // The library's airports; Show in list selects the chosen one's area,
    // Resolve makes a change to the library from within the dialog.
    void OnAirports();
    // The Profiles dialog, unless Profiles.txt could not be read.
    void OnProfiles();
    // The backup sets; the one restored becomes the library, as one step.
    void OnBackups();
    // Whether the command was one of the system menu's table.
    bool OnSysCommand(UINT nID);
    LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The system menu's commands: identifier, text, handler, greying.
    static CSystemMenu<CLibraryCommands> SystemMenu();
    // Whether a library is open; else a box captioned as the command says
    // there is nothing to show ("airports", "profiles").
    bool IsLibraryOpen(const char* pszNothing, const char* pszCaption) const;
    // Takes the library's lock, asking whether to try again while another
    // program holds it; whether it was taken (or cannot be had at all). What
    // it found of a save that died is told once it is let go.
    bool LockLibrary();
    // What taking the lock found of a save that died, in a box.
    void ShowRecovery();
    // Whether the user wants to try again for a lock another program holds.
    bool AskRetryLocked() const;
    // Why a Save wrote nothing, or what it left as it was, in a box.
    void ShowSaveResult(const CSaveResult& write, const std::vector<std::string>& names) const;
    // The question when another program changed the files since they were
    // read or saved: true when there is none or on Yes.
    bool ConfirmReplaceChangedFiles();
    // The questions, then the write under the lock; nothing when the user
    // stopped at a question.
    std::optional<CSaveResult> WriteLibrary();
    // The library's airports as it stands, read on a worker thread behind
    // the progress dialog, which the owner gives way to; false when the user
    // stopped the reading.
    bool IndexAirports(CAirportIndex& index, CWnd& owner);

    CLibraryDialogs& m_dialogs;
};
