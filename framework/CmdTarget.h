#pragma once

// Static message tables. A class declares its table with DECLARE_MESSAGE_MAP
// and defines it between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP; each entry
// names a message (and, for commands and notifications, a code and a range
// of control identifiers) and the member function that serves it. A table
// chains to its base class's table, which is searched after it. A target
// may route what its own tables do not serve to other targets, asked in
// turn: for dispatch, for the enabling pass and for whether a handler
// exists.

#include <windows.h>

#include <vector>

class CCmdTarget;

// Decodes the message parameters for one handler and calls it; false when
// the handler declined the message (the _EX entries).
using PMessageThunk = bool (*)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT& result);

struct CMessageEntry {
    UINT nMessage;
    UINT nCode; // WM_COMMAND and WM_NOTIFY: the notification code
    UINT nID;   // WM_COMMAND and WM_NOTIFY: first and last control identifier
    UINT nLastID;
    PMessageThunk pfn;
};

struct CMessageMap {
    const CMessageMap* (*pfnGetBaseMap)();
    const CMessageEntry* pEntries; // ends with an entry whose pfn is null
};

// The update request of the enabling pass: WM_COMMAND entries with this code.
constexpr UINT CN_UPDATE_COMMAND_UI = 0xFFFFFFFF;
// Control notifications offered back to the control that sent them.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler for the message, code and identifier of the tables,
    // else of the targets routed to, if any; whether one took it.
    bool DispatchMessageEntry(UINT nMessage, UINT nCode, UINT nID, WPARAM wParam, LPARAM lParam,
                              LRESULT& result);
    bool HasHandler(UINT nMessage, UINT nCode, UINT nID) const;
    // What the tables do not serve goes on to the target, after those routed
    // to before it. It outlives this target's messages.
    void RouteTo(CCmdTarget& target) { m_aRouted.push_back(&target); }

protected:
    static const CMessageMap* GetThisMessageMap();
    virtual const CMessageMap* GetMessageMap() const;

private:
    const CMessageEntry* FindEntry(UINT nMessage, UINT nCode, UINT nID) const;

    std::vector<CCmdTarget*> m_aRouted;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const CMessageMap* GetThisMessageMap();                                                 \
    const CMessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const CMessageMap* theClass::GetMessageMap() const {                                           \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const CMessageMap* theClass::GetThisMessageMap() {                                             \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const CMessageEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, nullptr }                                                                        \
    }                                                                                              \
    ;                                                                                              \
    static const CMessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                    \
    return &map;                                                                                   \
    }

#define TWK_THUNK(body)                                                                            \
    [](CCmdTarget* pTarget, [[maybe_unused]] WPARAM wParam, [[maybe_unused]] LPARAM lParam,        \
       [[maybe_unused]] LRESULT& result) -> bool {                                                 \
        [[maybe_unused]] ThisClass* pThis = static_cast<ThisClass*>(pTarget);                      \
        body                                                                                       \
    }

// Commands: a button click (BN_CLICKED is 0) or another control notification.
#define ON_COMMAND(id, memberFxn)                                                                  \
    { WM_COMMAND, 0, id, id, TWK_THUNK(pThis->memberFxn(); return true;) }                         \
    ,
#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND(id, memberFxn)
#define ON_CONTROL(code, id, memberFxn)                                                            \
    { WM_COMMAND, code, id, id, TWK_THUNK(pThis->memberFxn(); return true;) }                      \
    ,
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    {                                                                                              \
        WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id,                                                  \
            TWK_THUNK(pThis->memberFxn(reinterpret_cast<CCmdUI*>(lParam)); return true;)           \
    }                                                                                              \
    ,
#define ON_CONTROL_REFLECT(code, memberFxn)                                                        \
    { WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, TWK_THUNK(pThis->memberFxn(); return true;) }      \
    ,

// WM_NOTIFY: handler (NMHDR*, LRESULT*); the _EX_RANGE form (UINT id, NMHDR*,
// LRESULT*) returns whether it handled the notification.
#define ON_NOTIFY(code, id, memberFxn)                                                             \
    {                                                                                              \
        WM_NOTIFY, static_cast<UINT>(code), id, id,                                                \
            TWK_THUNK(pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), &result); return true;)   \
    }                                                                                              \
    ,
#define ON_NOTIFY_EX_RANGE(code, idFirst, idLast, memberFxn)                                       \
    {                                                                                              \
        WM_NOTIFY, static_cast<UINT>(code), idFirst, idLast,                                       \
            TWK_THUNK(NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);                              \
                      return pThis->memberFxn(static_cast<UINT>(pHdr->idFrom), pHdr, &result) !=   \
                             0;)                                                                   \
    }                                                                                              \
    ,

// Any message with its raw parameters: LRESULT handler (WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                             \
    { message, 0, 0, 0, TWK_THUNK(result = pThis->memberFxn(wParam, lParam); return true;) }       \
    ,

// System messages with their usual handler names. The _EX form of the
// system menu's commands returns whether the handler took the command; the
// others go on to the window's standard processing.
#define ON_WM_SYSCOMMAND_EX()                                                                      \
    {                                                                                              \
        WM_SYSCOMMAND, 0, 0, 0,                                                                    \
            TWK_THUNK(return pThis->OnSysCommand(static_cast<UINT>(wParam) & 0xFFF0);)             \
    }                                                                                              \
    ,
#define ON_WM_PAINT()                                                                              \
    { WM_PAINT, 0, 0, 0, TWK_THUNK(pThis->OnPaint(); return true;) }                               \
    ,
#define ON_WM_QUERYDRAGICON()                                                                      \
    {                                                                                              \
        WM_QUERYDRAGICON, 0, 0, 0,                                                                 \
            TWK_THUNK(result = reinterpret_cast<LRESULT>(pThis->OnQueryDragIcon()); return true;)  \
    }                                                                                              \
    ,
#define ON_WM_CLOSE()                                                                              \
    { WM_CLOSE, 0, 0, 0, TWK_THUNK(pThis->OnClose(); return true;) }                               \
    ,

// clang-format off
#define TWK_POINT POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}
#define ON_WM_LBUTTONDOWN() \
    {WM_LBUTTONDOWN, 0, 0, 0, \
     TWK_THUNK(pThis->OnLButtonDown(static_cast<UINT>(wParam), TWK_POINT); return true;)},
#define ON_WM_LBUTTONDBLCLK() \
    {WM_LBUTTONDBLCLK, 0, 0, 0, \
     TWK_THUNK(pThis->OnLButtonDblClk(static_cast<UINT>(wParam), TWK_POINT); return true;)},
#define ON_WM_LBUTTONUP() \
    {WM_LBUTTONUP, 0, 0, 0, \
     TWK_THUNK(pThis->OnLButtonUp(static_cast<UINT>(wParam), TWK_POINT); return true;)},
#define ON_WM_MOUSEMOVE() \
    {WM_MOUSEMOVE, 0, 0, 0, \
     TWK_THUNK(pThis->OnMouseMove(static_cast<UINT>(wParam), TWK_POINT); return true;)},
#define ON_WM_TIMER() \
    {WM_TIMER, 0, 0, 0, TWK_THUNK(pThis->OnTimer(static_cast<UINT_PTR>(wParam)); return true;)},
#define ON_WM_KEYDOWN() \
    {WM_KEYDOWN, 0, 0, 0, \
     TWK_THUNK(pThis->OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); \
               return true;)},
// clang-format on

// The state of one control during the enabling pass.
class CCmdUI {
public:
    CCmdUI(UINT nID, HWND hWnd) : m_nID(nID), m_hWnd(hWnd) {}
    void Enable(bool bOn = true) { EnableWindow(m_hWnd, bOn); }

    UINT m_nID;
    HWND m_hWnd;
};
