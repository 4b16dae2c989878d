#include "CmdTarget.h"

const CMessageMap* CCmdTarget::GetThisMessageMap() {
    static const CMessageEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const CMessageMap map = {nullptr, entries};
    return &map;
}

const CMessageMap* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const CMessageEntry* CCmdTarget::FindEntry(UINT nMessage, UINT nCode, UINT nID) const {
    for (const CMessageMap* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const CMessageEntry* pEntry = pMap->pEntries; pEntry->pfn != nullptr; ++pEntry) {
            bool bCoded = nMessage == WM_COMMAND || nMessage == WM_NOTIFY ||
                          nMessage == WM_REFLECT_BASE + WM_COMMAND;
            if (pEntry->nMessage != nMessage)
                continue;
            if (!bCoded ||
                (pEntry->nCode == nCode && (nMessage == WM_REFLECT_BASE + WM_COMMAND ||
                                            (nID >= pEntry->nID && nID <= pEntry->nLastID))))
                return pEntry;
        }
    }
    return nullptr;
}

bool CCmdTarget::DispatchMessageEntry(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam,
                                      LPARAM lParam, LRESULT& result) {
    const CMessageEntry* pEntry = FindEntry(nMessage, nCode, nID);
    if (pEntry != nullptr && pEntry->pfn(this, wParam, lParam, result))
        return true;
    for (CCmdTarget* pTarget : m_aRouted) {
        if (pTarget->DispatchMessageEntry(nMessage, nCode, nID, wParam, lParam, result))
            return true;
    }
    return false;
}

bool CCmdTarget::HasHandler(UINT nMessage, UINT nCode, UINT nID) const {
    if (FindEntry(nMessage, nCode, nID) != nullptr)
        return true;
    for (const CCmdTarget* pTarget : m_aRouted) {
        if (pTarget->HasHandler(nMessage, nCode, nID))
            return true;
    }
    return false;
}
