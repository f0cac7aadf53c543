#include "program_driver.h"

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
    const bool match =
        search->messageBox ? IsMessageBox(window) : WindowText(window) == search->caption;
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

ProgramDriver::ProgramDriver(const std::string& exePath) : m_exePath(exePath) {}

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
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + m_exePath + "\"";
    return ::CreateProcessA(m_exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
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
    if (m_main) Settle();
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
    if (!box) return false;
    ::SetForegroundWindow(box);
    PressKey(VK_RETURN);
    return PumpUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }, milliseconds);
}

int ProgramDriver::DismissMessageBoxes(int quietMilliseconds) {
    int count = 0;
    while (WaitForMessageBox(quietMilliseconds).found) {
        ++count;
        DismissMessageBox();
    }
    return count;
}

void ProgramDriver::Click(HWND control) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    HWND top = ::GetAncestor(control, GA_ROOT);
    ::SetForegroundWindow(top);
    const int x = rect.left + 4;  // inside a check box's square as well as a button
    const int y = (rect.top + rect.bottom) / 2;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN) - 1;
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = x * 65535 / screenWidth;
    move.mi.dy = y * 65535 / screenHeight;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move, up = move;
    down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    up.mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInputs({move});
    Settle();
    SendInputs({down, up});
    Settle();
}

void ProgramDriver::PressKey(WORD virtualKey) { PressKeys({virtualKey}); }

void ProgramDriver::PressKeys(std::initializer_list<WORD> chord) {
    std::vector<INPUT> inputs;
    for (WORD key : chord) inputs.push_back(KeyInput(key, false));
    for (auto it = chord.end(); it != chord.begin();) inputs.push_back(KeyInput(*--it, true));
    SendInputs(inputs);
    Settle();
}

void ProgramDriver::TypeText(const std::string& text) {
    for (char c : text) {
        const SHORT scan = ::VkKeyScanA(c);
        const WORD key = LOBYTE(scan);
        if (HIBYTE(scan) & 1)
            PressKeys({VK_SHIFT, key});
        else
            PressKey(key);
    }
}

void ProgramDriver::Settle() {
    // Posted work (the syncs) runs after the input; a round trip through the window's queue
    // twice makes sure it has run.
    for (int i = 0; i < 3; ++i) {
        DWORD_PTR result = 0;
        if (m_main) ::SendMessageTimeoutA(m_main, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        PumpMessages();
        ::Sleep(15);
    }
}

bool ProgramDriver::IsChecked(int id) const {
    return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string ProgramDriver::Text(int id) const {
    // GetWindowText does not ask another process's controls for their text; WM_GETTEXT does.
    HWND control = Item(id);
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

std::vector<COLORREF> ProgramDriver::ScreenPixels(HWND window, int* width, int* height) const {
    RECT client;
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    const int w = client.right, h = client.bottom;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    ::GdiFlush();
    std::vector<COLORREF> pixels(static_cast<size_t>(w) * static_cast<size_t>(h));
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const DWORD bgra = source[i];
        pixels[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    *width = w;
    *height = h;
    return pixels;
}
