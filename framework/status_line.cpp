#include "status_line.h"

#include "accessibility.h"

void CStatusLine::Show(LPCSTR text) { Show(AfxWidenText(text)); }

void CStatusLine::Show(LPCWSTR text) {
    if (!m_hWnd) return;
    // Set before the first announcement: a screen reader asks for it when the event comes.
    if (!m_bLiveRegion) {
        AfxMakePoliteLiveRegion(m_hWnd);
        m_bLiveRegion = true;
    }
    ::SetWindowTextW(m_hWnd, text);
    if (!text || !*text) return;
    // For readers of the name alone; those that speak live regions are told by the next.
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    AfxAnnounceLiveRegion(m_hWnd);
}
