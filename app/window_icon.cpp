#include "window_icon.h"

#include "dialog_icons.h"
#include "resource.h"

CWindowIcon::CWindowIcon()
    : m_hIcon(::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

void CWindowIcon::SetForScale(CWnd& window, UINT dpi) {
    SetDialogIcons(&window, 0, dpi);
    if (const HICON icon = LoadCachedIcon(kProgramIconId, LargeIconSize(dpi))) m_hIcon = icon;
}

BOOL CWindowIcon::PaintMinimised(CWnd& window) const {
    if (!window.IsIconic()) return FALSE;
    CPaintDC dc(&window);
    window.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconSize = LargeIconSize(AfxGetWindowDpi(window));
    RECT client;
    window.GetClientRect(&client);
    const int x = (client.right - client.left - iconSize + 1) / 2;
    const int y = (client.bottom - client.top - iconSize + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon, iconSize);
    return TRUE;
}
