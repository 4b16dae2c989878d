#pragma once

// Commands a window adds to its system menu, all from one table: each row
// gives the command's identifier (a multiple of 16 below 0xF000, as the
// system keeps the low four bits), the string resource of its text, the
// target's handler and when the item is greyed. The menu is built, greyed
// and dispatched from the table, so a new command is one row.

#include "WinApp.h"

#include <span>

template <class TTarget> struct CSystemMenuItem {
    UINT nID;
    UINT nTextID;
    void (TTarget::*pfnRun)();
    // Null: never greyed.
    bool (TTarget::*pfnEnabled)() const = nullptr;
};

template <class TTarget> class CSystemMenu {
public:
    explicit CSystemMenu(std::span<const CSystemMenuItem<TTarget>> items) : m_items(items) {}

    // The items after a separator, at the end of the window's system menu.
    void Append(HWND hWnd) const {
        HMENU hMenu = GetSystemMenu(hWnd, FALSE);
        if (hMenu == nullptr)
            return;
        AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
        for (const CSystemMenuItem<TTarget>& item : m_items)
            AppendMenuA(hMenu, MF_STRING, item.nID, ResourceString(item.nTextID).c_str());
    }
    void Update(HWND hWnd, const TTarget& target) const {
        HMENU hMenu = GetSystemMenu(hWnd, FALSE);
        for (const CSystemMenuItem<TTarget>& item : m_items) {
            if (item.pfnEnabled != nullptr)
                EnableMenuItem(hMenu, item.nID,
                               MF_BYCOMMAND |
                                   ((target.*item.pfnEnabled)() ? MF_ENABLED : MF_GRAYED));
        }
    }
    // Whether the command (its low four bits cleared) is one of the table's,
    // run if it is not greyed.
    bool Run(TTarget& target, UINT nID) const {
        for (const CSystemMenuItem<TTarget>& item : m_items) {
            if (item.nID != nID)
                continue;
            if (item.pfnEnabled == nullptr || (target.*item.pfnEnabled)())
                (target.*item.pfnRun)();
            return true;
        }
        return false;
    }

private:
    std::span<const CSystemMenuItem<TTarget>> m_items;
};
