#include "picture_button.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "accept_dropped_files.h"

BEGIN_MESSAGE_MAP(CPictureButton, CWnd)
ON_MESSAGE(WM_GETDLGCODE, &CPictureButton::OnGetDlgCode)
ON_MESSAGE(WM_KEYDOWN, &CPictureButton::OnKeyDown)
ON_MESSAGE(WM_CHAR, &CPictureButton::OnChar)
ON_MESSAGE(WM_CONTEXTMENU, &CPictureButton::OnContextMenu)
ON_MESSAGE(WM_MOUSEMOVE, &CPictureButton::OnMouseMove)
ON_MESSAGE(WM_MOUSELEAVE, &CPictureButton::OnMouseLeave)
ON_MESSAGE(WM_DROPFILES, &CPictureButton::OnDropFiles)
ON_MESSAGE(WM_SETFOCUS, &CPictureButton::OnFocusChange)
ON_MESSAGE(WM_KILLFOCUS, &CPictureButton::OnFocusChange)
END_MESSAGE_MAP()

BOOL CPictureButton::Attach(CWnd& parent, int nID) {
    if (!SubclassDlgItem(static_cast<UINT>(nID), &parent)) return FALSE;
    AcceptDroppedFiles(m_hWnd);
    AfxPresentAsGraphic(m_hWnd);
    return TRUE;
}

SIZE CPictureButton::ClientSize() const {
    RECT client{};
    GetClientRect(&client);
    return {client.right - client.left, client.bottom - client.top};
}

BOOL CPictureButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM) return FALSE;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    m_picture.Draw(item);
    if (item.itemState & ODS_FOCUS) {
        DrawMarker(item.hDC, item.rcItem);
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -1, -1);
        ::DrawFocusRect(item.hDC, &focus);
    }
    *pResult = TRUE;
    return TRUE;
}

// A small square, inverted so it shows on any picture, around the pixel the keys mark.
void CPictureButton::DrawMarker(HDC dc, const RECT& item) const {
    if (!m_bKeyboardMarker || !m_inspected) return;
    const int x = item.left + m_inspected->x, y = item.top + m_inspected->y;
    const RECT around{x - 2, y - 2, x + 3, y + 3};
    ::InvertRect(dc, &around);
    const RECT pixel{x, y, x + 1, y + 1};
    ::InvertRect(dc, &pixel);
}

LRESULT CPictureButton::OnGetDlgCode(WPARAM, LPARAM) {
    return Default() | DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CPictureButton::Notify(WORD code) const {
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(m_hWnd)), code),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CPictureButton::Command(UINT nID) const {
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, nID, 0);
}

void CPictureButton::Inspect(std::optional<POINT> pixel) {
    const bool same = pixel.has_value() == m_inspected.has_value() &&
                      (!pixel || (pixel->x == m_inspected->x && pixel->y == m_inspected->y));
    m_inspected = pixel;
    if (m_bKeyboardMarker) Invalidate();
    if (!same) Notify(kPictureInspected);
}

LRESULT CPictureButton::OnKeyDown(WPARAM wParam, LPARAM) {
    const SIZE size = m_picture.Size();
    if (size.cx <= 0 || size.cy <= 0) return 0;
    POINT at = m_inspected && m_bKeyboardMarker ? *m_inspected : POINT{size.cx / 2, size.cy / 2};
    switch (wParam) {
        case VK_LEFT:
            --at.x;
            break;
        case VK_RIGHT:
            ++at.x;
            break;
        case VK_UP:
            --at.y;
            break;
        case VK_DOWN:
            ++at.y;
            break;
        default:
            Default();
            return 0;
    }
    m_bKeyboardMarker = true;
    Inspect(POINT{std::clamp<LONG>(at.x, 0, size.cx - 1), std::clamp<LONG>(at.y, 0, size.cy - 1)});
    return 0;
}

// The control characters the keys make (Ctrl+O, Ctrl+V, Ctrl+C), so keys that automation tools
// post as characters act as typed ones do.
LRESULT CPictureButton::OnChar(WPARAM wParam, LPARAM) {
    switch (wParam) {
        case 0x0F:
            Command(m_commands.open);
            break;
        case 0x16:
            Command(m_commands.paste);
            break;
        case 0x03:
            Command(m_commands.copy);
            break;
        default:
            Default();
    }
    return 0;
}

LRESULT CPictureButton::OnContextMenu(WPARAM, LPARAM lParam) {
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {  // from the keyboard: at the picture's top left corner
        RECT window{};
        ::GetWindowRect(m_hWnd, &window);
        at = {window.left + 4, window.top + 4};
    }
    HMENU menu = ::CreatePopupMenu();
    if (!menu) return 0;
    ::AppendMenuA(menu, MF_STRING, m_commands.open, "&Open Picture...");
    ::AppendMenuA(menu, MF_STRING, m_commands.paste, "&Paste");
    ::AppendMenuA(menu, MF_STRING, m_commands.copy, "&Copy Picture");
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, m_commands.undo, "&Undo");
    ::AppendMenuA(menu, MF_STRING, m_commands.redo, "&Redo");
    // The parent owns the menu: it enables what there is to do (WM_INITMENUPOPUP).
    const auto chosen = ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0,
                                         ::GetParent(m_hWnd), nullptr);
    ::DestroyMenu(menu);
    if (chosen) Command(static_cast<UINT>(chosen));
    return 0;
}

LRESULT CPictureButton::OnMouseMove(WPARAM, LPARAM lParam) {
    if (!m_bTrackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const SIZE size = m_picture.Size();
    const bool inside = at.x >= 0 && at.y >= 0 && at.x < size.cx && at.y < size.cy;
    m_bKeyboardMarker = false;
    Inspect(inside ? std::optional<POINT>(at) : std::nullopt);
    Default();
    return 0;
}

LRESULT CPictureButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bTrackingLeave = false;
    if (!m_bKeyboardMarker) Inspect(std::nullopt);
    return 0;
}

// Several files: the first.
LRESULT CPictureButton::OnDropFiles(WPARAM wParam, LPARAM) {
    const auto drop = reinterpret_cast<HDROP>(wParam);
    const UINT length = ::DragQueryFileW(drop, 0, nullptr, 0);
    std::vector<wchar_t> path(static_cast<size_t>(length) + 1, L'\0');
    const UINT copied = length ? ::DragQueryFileW(drop, 0, path.data(), length + 1) : 0;
    ::DragFinish(drop);
    if (!copied) return 0;
    m_dropped = CStringW(path.data(), static_cast<int>(copied));
    Notify(kPictureDropped);
    return 0;
}

LRESULT CPictureButton::OnFocusChange(WPARAM, LPARAM) {
    if (m_bKeyboardMarker) Invalidate();
    Default();
    return 0;
}
