#pragma once

#include <windows.h>

#include "message_map.h"

class CObject {
public:
    virtual ~CObject() = default;
};

// Anything with a message map: windows and the application object.
class CCmdTarget : public CObject {
public:
    // Runs the handler of command nID with notification nCode, if this object's map chain has one.
    // With bExecute FALSE it only reports whether there is one.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, bool bExecute = true);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;
};
