#pragma once

// What every command target of the main window works on: the window that
// owns its boxes and dialogs, the one open library and its views. A
// target's handlers ask the user what is needed, change the library and
// have the view show what the library returned.

#include "LibraryView.h"

#include <string>

struct CCommandContext {
    CWnd& wnd;
    CLibraryDocument& doc;
    CLibraryView& view;
    CSceneryListBox& list;
    CFolderTreeCtrl& tree;
};

class CCommandTarget : public CCmdTarget {
public:
    explicit CCommandTarget(const CCommandContext& context)
        : m_wnd(context.wnd), m_doc(context.doc), m_view(context.view), m_list(context.list),
          m_tree(context.tree) {}

protected:
    void ShowError(const std::string& text) const {
        MessageBoxA(m_wnd.m_hWnd, text.c_str(), "Error", MB_OK | MB_ICONERROR);
    }
    // A refusal of the library, in the box the command shows it in.
    void ShowRefusal(const CChangeResult& result, const char* pszCaption, UINT nIcon) const {
        if (result.Refused())
            MessageBoxA(m_wnd.m_hWnd, result.strRefused.c_str(), pszCaption, MB_OK | nIcon);
    }

    CWnd& m_wnd;
    CLibraryDocument& m_doc;
    CLibraryView& m_view;
    CSceneryListBox& m_list;
    CFolderTreeCtrl& m_tree;
};
