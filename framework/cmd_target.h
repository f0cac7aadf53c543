#pragma once

#include <windows.h>

#include "message_map.h"

class CObject {
public:
    virtual ~CObject() = default;
};

class CCmdTarget;

// Where a message goes: the entry that takes it and the object whose handler that is (the
// object itself or a member it chains to).
struct AfxMsgHandler {
    const AFX_MSGMAP_ENTRY* entry = nullptr;
    CCmdTarget* target = nullptr;

    explicit operator bool() const { return entry != nullptr; }
    LRESULT Call(WPARAM wParam, LPARAM lParam) const { return entry->pfn(target, wParam, lParam); }
};

// Anything with a message map: windows, the application object and the groups of a dialog.
class CCmdTarget : public CObject {
public:
    // Runs the handler of command nID with notification nCode, if this object's map chain has one.
    // With bExecute FALSE it only reports whether there is one.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, bool bExecute = true);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    // The handler of a message in this object's map chain, chained members included; a group
    // that shares its map with others of its kind (one per panel) leaves theirs alone here.
    virtual AfxMsgHandler FindHandler(UINT nMessage, UINT nCode, UINT nID);
};
