#pragma once

#include <windows.h>

// Message maps are plain tables. Each entry says which message (and, for WM_COMMAND, which
// notification code and control-id range) it takes, and holds a small function that calls the
// member handler. A class's table names its base class's table; lookup walks that chain. An entry
// may instead name a member object with a map of its own (CHAIN_MSG_MAP_MEMBER): its map is tried
// at that place in the table, and what it does not take goes on down the table.

class CCmdTarget;

using AfxMsgThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; WM_COMMAND for commands and notifications
    UINT nCode;     // notification code for WM_COMMAND, else 0
    UINT nID;       // first control id for WM_COMMAND, else 0
    UINT nLastID;   // last control id of the range
    AfxMsgThunk pfn;
    CCmdTarget* (*pfnMember)(CCmdTarget* owner);  // a chained member, else null
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                     \
protected:                                        \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY entries[] = {
#define END_MESSAGE_MAP()                                                      \
    { 0, 0, 0, 0, nullptr, nullptr }                                           \
    }                                                                          \
    ;                                                                          \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

// Commands and control notifications.
#define ON_CONTROL_RANGE_CALL(code, first, last, call)     \
    {WM_COMMAND,                                           \
     (UINT)(code),                                         \
     (UINT)(first),                                        \
     (UINT)(last),                                         \
     [](CCmdTarget* t, WPARAM wParam, LPARAM) -> LRESULT { \
         (void)wParam;                                     \
         call;                                             \
         return 0;                                         \
     },                                                    \
     nullptr},
#define ON_CONTROL(code, id, memberFxn) \
    ON_CONTROL_RANGE_CALL(code, id, id, (AFX_THIS(t)->*(memberFxn))())
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
// One handler for a range of controls, given the control's id: void handler(UINT nID).
#define ON_CONTROL_RANGE(code, first, last, memberFxn) \
    ON_CONTROL_RANGE_CALL(code, first, last, (AFX_THIS(t)->*(memberFxn))(LOWORD(wParam)))
#define ON_COMMAND_RANGE(first, last, memberFxn) ON_CONTROL_RANGE(0, first, last, memberFxn)

// A member object that handles its own controls and messages (a group of a dialog, say).
#define CHAIN_MSG_MAP_MEMBER(member) \
    {0, 0,       0,                  \
     0, nullptr, [](CCmdTarget* t) -> CCmdTarget* { return &static_cast<ThisClass*>(t)->member; }},

// Window messages, with the handler names and signatures of the framework's CWnd.
#define AFX_ON_MESSAGE_CALL(msg, call)                            \
    {(UINT)(msg),                                                 \
     0,                                                           \
     0,                                                           \
     0,                                                           \
     [](CCmdTarget* t, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         (void)wParam;                                            \
         (void)lParam;                                            \
         call;                                                    \
     },                                                           \
     nullptr},
#define ON_WM_PAINT() AFX_ON_MESSAGE_CALL(WM_PAINT, AFX_THIS(t)->OnPaint(); return 0)
#define ON_WM_SYSCOMMAND() \
    AFX_ON_MESSAGE_CALL(   \
        WM_SYSCOMMAND, AFX_THIS(t)->OnSysCommand(static_cast<UINT>(wParam), lParam); return 0)
#define ON_WM_QUERYDRAGICON()             \
    AFX_ON_MESSAGE_CALL(WM_QUERYDRAGICON, \
                        return reinterpret_cast<LRESULT>(AFX_THIS(t)->OnQueryDragIcon()))
#define ON_WM_DRAWITEM()                                                                     \
    AFX_ON_MESSAGE_CALL(WM_DRAWITEM,                                                         \
                        AFX_THIS(t)->OnDrawItem(static_cast<int>(wParam),                    \
                                                reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); \
                        return TRUE)
#define ON_WM_MEASUREITEM()                                                                        \
    AFX_ON_MESSAGE_CALL(WM_MEASUREITEM,                                                            \
                        AFX_THIS(t)->OnMeasureItem(static_cast<int>(wParam),                       \
                                                   reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); \
                        return TRUE)
// The new scale in wParam, the suggested window rectangle in lParam.
#define ON_WM_DPICHANGED()                                                                         \
    AFX_ON_MESSAGE_CALL(WM_DPICHANGED, AFX_THIS(t)->OnDpiChanged(                                  \
                                           HIWORD(wParam), reinterpret_cast<const RECT*>(lParam)); \
                        return 0)
// Any message, the program's own included: LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(msg, memberFxn) \
    AFX_ON_MESSAGE_CALL(msg, return (AFX_THIS(t)->*(memberFxn))(wParam, lParam))
