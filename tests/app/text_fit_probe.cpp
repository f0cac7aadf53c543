// Opens the program's dialogs in this process, at the display scale this process started with,
// and reports every static text and button whose text does not fit its control, one line each.
// The exit code is the number of such controls. The program tests run it at several scales.
#include <cstdio>
#include <string>

#include "about_dlg.h"
#include "resource.h"
#include "rop_operand_use.h"
#include "text_view_dlg.h"
#include "velmar_dlg.h"

namespace {

std::string ClassOf(HWND window) {
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[512] = "";
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text's extent in the control's own font, wrapped at `wrapWidth` when it is not 0.
SIZE TextExtent(HWND control, const std::string& text, UINT format, int wrapWidth) {
    HDC dc = ::GetDC(control);
    const HGDIOBJ old =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT extent{0, 0, wrapWidth, 0};
    ::DrawTextA(dc, text.c_str(), -1, &extent,
                format | DT_CALCRECT | (wrapWidth ? DT_WORDBREAK : DT_SINGLELINE));
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return {extent.right, extent.bottom};
}

// The room a control leaves its text at this scale, or nothing for controls without a text to
// fit (pictures, icons, frames, the truth table's boxes, whose names are hidden on purpose).
bool TextRoom(HWND control, UINT dpi, SIZE& room, UINT& format, bool& wraps) {
    RECT client{};
    ::GetClientRect(control, &client);
    room = {client.right, client.bottom};
    const auto style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
    const int id = ::GetDlgCtrlID(control);
    format = 0;
    wraps = false;
    if (ClassOf(control) == "Static") {
        const DWORD type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP)
            return false;
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        wraps = type != SS_LEFTNOWORDWRAP;
        return true;
    }
    if (ClassOf(control) != "Button" || (id >= IDC_PATTERN_ROW1 && id <= IDC_RESULT_ROW8))
        return false;
    const DWORD type = style & BS_TYPEMASK;
    const int margin = AfxScaleToDpi(4, dpi);
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        room.cx -= 2 * margin;
        room.cy -= AfxScaleToDpi(2, dpi);
        wraps = (style & BS_MULTILINE) != 0;
    } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX) {
        room.cx -= AfxGetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + margin;
    } else if (type == BS_GROUPBOX) {
        // The label starts a little in from the frame's corner.
        room.cx -= AfxScaleToDpi(10, dpi);
    } else {
        return false;
    }
    return true;
}

int ReportClipped(HWND dialog, const char* name) {
    const UINT dpi = AfxGetWindowDpi(dialog);
    int clipped = 0;
    for (HWND control = ::GetWindow(dialog, GW_CHILD); control;
         control = ::GetWindow(control, GW_HWNDNEXT)) {
        const std::string text = TextOf(control);
        SIZE room{};
        UINT format = 0;
        bool wraps = false;
        if (text.empty() || !TextRoom(control, dpi, room, format, wraps)) continue;
        const SIZE need = TextExtent(control, text, format, wraps ? room.cx : 0);
        if (need.cx <= room.cx && need.cy <= room.cy) continue;
        ++clipped;
        std::printf("%s at %u DPI: control %d \"%s\" needs %ld x %ld, has %ld x %ld\n", name, dpi,
                    ::GetDlgCtrlID(control), text.c_str(), need.cx, need.cy, room.cx, room.cy);
    }
    return clipped;
}

// The longest texts the main window ever shows in its changing lines.
void ShowLongestTexts(HWND dialog) {
    std::string longest;
    for (int index = 0; index < 256; ++index) {
        const std::string uses = DescribeRopOperandUse(static_cast<std::uint8_t>(index));
        if (uses.size() > longest.size()) longest = uses;
    }
    ::SetDlgItemTextA(dialog, IDC_MEANING_USES, longest.c_str());
    ::SetDlgItemTextA(dialog, IDC_MEANING_STATUS,
                      "name: unknown name 'SRCCPY' at position 1 (GDI names such as SRCCOPY or "
                      "R2_XORPEN, any letter case)");
}

}  // namespace

int main() {
    AfxWinInit(::GetModuleHandleA(nullptr));
    int clipped = 0;
    CVelmarDlg main;
    if (main.Create(IDD_VELMAR_DIALOG)) {
        ShowLongestTexts(main.m_hWnd);
        clipped += ReportClipped(main.m_hWnd, "main window");
    }
    CAboutDlg about(nullptr);
    if (about.Create(IDD_ABOUTBOX)) clipped += ReportClipped(about.m_hWnd, "About box");
    CTextViewDlg help(nullptr, "HELP");
    if (help.Create(IDD_TEXT_VIEW)) clipped += ReportClipped(help.m_hWnd, "help viewer");
    std::fflush(stdout);
    return clipped;
}
