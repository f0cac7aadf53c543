#pragma once

#include <windows.h>

// Message maps are plain tables. Each entry says which message (and, for WM_COMMAND, which
// notification code and control-id range) it takes, and holds a small function that calls the
// member handler. A class's table names its base class's table; lookup walks that chain.

class CCmdTarget;

using AfxMsgThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // window message; WM_COMMAND for commands and notifications
    UINT nCode;     // notification code for WM_COMMAND, else 0
    UINT nID;       // first control id for WM_COMMAND, else 0
    UINT nLastID;   // last control id of the range
    AfxMsgThunk pfn;
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
    { 0, 0, 0, 0, nullptr }                                                    \
    }                                                                          \
    ;                                                                          \
    static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

// Commands and control notifications.
#define ON_CONTROL_RANGE_CALL(code, first, last, call)      \
    {WM_COMMAND, (UINT)(code), (UINT)(first), (UINT)(last), \
     [](CCmdTarget* t, WPARAM, LPARAM) -> LRESULT {         \
         call;                                              \
         return 0;                                          \
     }},
#define ON_CONTROL(code, id, memberFxn) \
    ON_CONTROL_RANGE_CALL(code, id, id, (AFX_THIS(t)->*(memberFxn))())
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)

// Window messages, with the handler names and signatures of the framework's CWnd.
#define AFX_ON_MESSAGE_CALL(msg, call)                                                  \
    {(UINT)(msg), 0, 0, 0, [](CCmdTarget* t, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         (void)wParam;                                                                  \
         (void)lParam;                                                                  \
         call;                                                                          \
     }},
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
