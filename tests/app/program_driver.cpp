#include "program_driver.h"

#include <algorithm>

#include "cstring.h"
#include "ui_test.h"

namespace {

struct WindowSearch {
    DWORD processId;
    std::string caption;
    bool messageBox;
    HWND found;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != search->processId || !::IsWindowVisible(window)) return TRUE;
    // Of several message boxes only the one on top takes input; the others wait, disabled.
    const bool match = search->messageBox ? IsMessageBox(window) && ::IsWindowEnabled(window)
                                          : WindowText(window) == search->caption;
    if (!match) return TRUE;
    search->found = window;
    return FALSE;
}

void SendInputs(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

ProgramDriver::ProgramDriver(const std::string& exePath)
    : ProgramDriver(std::wstring(AfxWidenText(exePath.c_str()))) {}

ProgramDriver::ProgramDriver(std::wstring exePath) : m_exePath(std::move(exePath)) {}

ProgramDriver::~ProgramDriver() {
    if (m_process.hProcess) {
        if (!HasExited()) {
            ::TerminateProcess(m_process.hProcess, 99);
            ::WaitForSingleObject(m_process.hProcess, 5000);
        }
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
}

bool ProgramDriver::Start() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + m_exePath + L"\"";
    return ::CreateProcessW(m_exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &m_process) != FALSE;
}

int ProgramDriver::WaitForExit(int milliseconds) {
    if (::WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(milliseconds)) !=
        WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    ::GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<int>(code);
}

bool ProgramDriver::HasExited() const {
    return ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

HWND ProgramDriver::FindWindowByCaption(const std::string& caption) const {
    WindowSearch search{m_process.dwProcessId, caption, false, nullptr};
    ::EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ProgramDriver::WaitForWindow(const std::string& caption, int milliseconds) const {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindWindowByCaption(caption)) != nullptr || HasExited(); },
              milliseconds);
    return found;
}

HWND ProgramDriver::WaitForMainWindow(int milliseconds) {
    m_main = WaitForWindow("Velmar", milliseconds);
    return m_main;
}

HWND ProgramDriver::OpenMessageBox() const {
    WindowSearch search{m_process.dwProcessId, "", true, nullptr};
    ::EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenMessageBox ProgramDriver::WaitForMessageBox(int milliseconds) const {
    HWND box = nullptr;
    PumpUntil([&] { return (box = OpenMessageBox()) != nullptr || HasExited(); }, milliseconds);
    return box ? ReadMessageBox(box) : SeenMessageBox{};
}

bool ProgramDriver::DismissMessageBox(int milliseconds) {
    HWND box = OpenMessageBox();
    return box && Answer(box, milliseconds);
}

bool ProgramDriver::Answer(HWND box, int milliseconds) {
    if (!ActivateForKeys(box)) return false;
    // Enter as the dialog manager takes it (the default button), told to this box alone: a key
    // typed goes to whatever has the focus when it arrives, which may be a box that opened over
    // this one meanwhile, answered before it was seen.
    DWORD_PTR defaultId = 0;
    ::SendMessageTimeoutA(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, milliseconds, &defaultId);
    const WORD button = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
    ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
    // A box that another one opened over is disabled until that one is answered: it comes back.
    return WaitUntil(
        [&] { return !::IsWindow(box) || !::IsWindowVisible(box) || !::IsWindowEnabled(box); },
        milliseconds);
}

std::vector<std::string> ProgramDriver::DismissMessageBoxes(int count) {
    std::vector<HWND> seen;
    std::vector<std::string> texts;
    while (static_cast<int>(seen.size()) < count || OpenMessageBox()) {
        HWND box = nullptr;
        if (!WaitUntil([&] { return (box = OpenMessageBox()) != nullptr || HasExited(); }) || !box)
            break;
        if (std::find(seen.begin(), seen.end(), box) == seen.end()) {
            seen.push_back(box);
            texts.push_back(ReadMessageBox(box).text);
        }
        if (!Answer(box, 5000)) break;
    }
    return texts;
}

bool ProgramDriver::ActivateForKeys(HWND window) const {
    HWND top = ::GetAncestor(window, GA_ROOT);
    return WaitUntil([&] {
        if (::GetForegroundWindow() != top) {
            ::SetForegroundWindow(top);
            return false;
        }
        HWND focus = FocusedWindow();
        return focus && (focus == window || ::IsChild(window, focus));
    });
}

void ProgramDriver::Click(HWND control) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    ::SetForegroundWindow(::GetAncestor(control, GA_ROOT));
    const int x = rect.left + 4;  // inside a check box's square as well as a button
    const int y = (rect.top + rect.bottom) / 2;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN) - 1;
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = x * 65535 / screenWidth;
    move.mi.dy = y * 65535 / screenHeight;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // The press and the release carry the position too: the system may still be moving the
    // pointer to where an earlier click sent it, and a press without a position lands there.
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    up.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInputs({move, down, up});
}

void ProgramDriver::PressKey(WORD virtualKey) { PressKeys({virtualKey}); }

void ProgramDriver::PostKey(HWND control, WORD virtualKey) {
    const UINT scanCode = ::MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | static_cast<LPARAM>(scanCode) << 16;
    const LPARAM up = down | LPARAM(1) << 30 | LPARAM(1) << 31;
    ::PostMessageA(control, WM_KEYDOWN, virtualKey, down);
    ::PostMessageA(control, WM_KEYUP, virtualKey, up);
}

void ProgramDriver::PostChar(HWND control, wchar_t character) {
    ::PostMessageW(control, WM_CHAR, character, 1);
}

bool ProgramDriver::FocusItem(int id) {
    ::PostMessageA(m_main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
    return WaitForFocus(id);
}

void ProgramDriver::PressKeys(std::initializer_list<WORD> chord) {
    std::vector<INPUT> inputs;
    for (WORD key : chord) inputs.push_back(KeyInput(key, false));
    for (auto it = chord.end(); it != chord.begin();) inputs.push_back(KeyInput(*--it, true));
    SendInputs(inputs);
}

// Characters as such, not as key combinations: which keys give '(' depends on the keyboard
// layout (and the virtual one of a bare X server gives it a key of its own that types nothing).
void ProgramDriver::TypeText(const std::string& text) {
    for (char c : text) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wScan = static_cast<unsigned char>(c);
        down.ki.dwFlags = KEYEVENTF_UNICODE;
        INPUT up = down;
        up.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInputs({down, up});
    }
}

bool ProgramDriver::WaitUntil(const std::function<bool()>& holds, int milliseconds) const {
    return PumpUntil(holds, milliseconds);
}

bool ProgramDriver::WaitForText(int id, const std::string& text) const {
    return WaitUntil([&] { return Text(id) == text; });
}

bool ProgramDriver::WaitForCheck(int id, bool checked) const {
    return WaitUntil([&] { return IsChecked(id) == checked; });
}

bool ProgramDriver::WaitForFocus(int id) const {
    return WaitUntil([&] { return FocusedWindow() == Item(id); });
}

HWND ProgramDriver::FocusedWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(m_process.dwThreadId, &info)) return nullptr;
    return info.hwndFocus;
}

bool ProgramDriver::IsChecked(int id) const {
    return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string ProgramDriver::Text(int id) const { return TextOf(Item(id)); }

std::string ProgramDriver::TextOf(HWND control) {
    // GetWindowText does not ask another process's controls for their text; WM_GETTEXT does.
    const auto length = ::SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const auto copied =
        ::SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

int ProgramDriver::SelectedIndex(int id) const {
    return static_cast<int>(::SendMessageA(Item(id), CB_GETCURSEL, 0, 0));
}

COLORREF ProgramDriver::SelectedColor(int id) const {
    const int index = SelectedIndex(id);
    if (index < 0) return CLR_INVALID;
    return static_cast<COLORREF>(::SendMessageA(Item(id), CB_GETITEMDATA, index, 0));
}

Picture PictureOf(HDC dc, HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<DWORD> bits(static_cast<size_t>(width) * static_cast<size_t>(height));
    ::GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), bits.data(), &info, DIB_RGB_COLORS);
    Picture picture;
    picture.width = width;
    picture.height = height;
    for (const DWORD bgra : bits)
        picture.pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    return picture;
}

Picture ProgramDriver::ScreenPicture(HWND window) const {
    RECT client;
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    ::SelectObject(memory, old);
    Picture picture = PictureOf(memory, bitmap, client.right, client.bottom);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

Picture ProgramDriver::WaitForPicture(int id, const std::function<bool(const Picture&)>& shows,
                                      int milliseconds) const {
    HWND control = Item(id);
    ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Picture last = ScreenPicture(control);
    WaitUntil(
        [&] {
            Picture now = ScreenPicture(control);
            const bool settled = now.pixels == last.pixels && shows(now);
            last = std::move(now);
            return settled;
        },
        milliseconds);
    return last;
}
