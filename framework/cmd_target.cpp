#include "cmd_target.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

AfxMsgHandler CCmdTarget::FindHandler(UINT nMessage, UINT nCode, UINT nID) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->pfn || entry->pfnMember;
             ++entry) {
            if (entry->pfnMember) {
                if (const AfxMsgHandler chained =
                        entry->pfnMember(this)->FindHandler(nMessage, nCode, nID))
                    return chained;
            } else if (entry->nMessage == nMessage && entry->nCode == nCode && nID >= entry->nID &&
                       nID <= entry->nLastID) {
                return {entry, this};
            }
        }
    }
    return {};
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, bool bExecute) {
    const AfxMsgHandler handler = FindHandler(WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (!handler) return FALSE;
    if (bExecute) handler.Call(MAKEWPARAM(nID, nCode), 0);
    return TRUE;
}
