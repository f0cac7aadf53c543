#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "velmar_version.h"

// Run inside a Wine desktop, where a minimised window stays on the screen as a caption bar:
// starts velmar.exe, minimises its main window, and looks for the program's 16 x 16 icon among
// the pixels of what is left on the screen. Writes "found" or the reason to RESULT_FILE, since a
// program started in a Wine desktop cannot hand its exit code back.
//   minimised_icon_probe VELMAR_EXE RESULT_FILE

namespace {

constexpr int kIconSize = 16;

using Pixels = std::vector<COLORREF>;

Pixels Capture(HDC source, int x, int y, int width, int height) {
    HDC memory = ::CreateCompatibleDC(source);
    HBITMAP bitmap = ::CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    Pixels pixels;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            pixels.push_back(::GetPixel(memory, column, row));
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    return pixels;
}

Pixels ProgramIcon(const char* exe) {
    HMODULE module = ::LoadLibraryExA(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    auto icon = static_cast<HICON>(
        ::LoadImageA(module, MAKEINTRESOURCEA(1000), IMAGE_ICON, kIconSize, kIconSize, 0));
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kIconSize, kIconSize);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::DrawIconEx(memory, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    Pixels pixels = Capture(memory, 0, 0, kIconSize, kIconSize);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    ::DestroyIcon(icon);
    ::FreeLibrary(module);
    return pixels;
}

// Polls, so a state that the program or the screen reaches a little later is still seen.
template <typename Condition>
bool WaitUntil(Condition holds, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (!holds()) {
        if (::GetTickCount() - start > milliseconds) return holds();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

bool Contains(const Pixels& area, int width, int height, const Pixels& icon) {
    for (int y = 0; y + kIconSize <= height; ++y)
        for (int x = 0; x + kIconSize <= width; ++x) {
            bool same = true;
            for (int i = 0; same && i < kIconSize * kIconSize; ++i)
                same = area[(y + i / kIconSize) * width + x + i % kIconSize] == icon[i];
            if (same) return true;
        }
    return false;
}

std::string Probe(const char* exe) {
    // The stored version is the running one, so no About box comes first.
    const DWORD version = VELMAR_VERSION_NUMBER;
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Tovera\\Velmar\\CurrentVersion", 0,
                          nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        ::RegSetValueExA(key, "Version", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&version),
                         sizeof version);
        ::RegCloseKey(key);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = std::string("\"") + exe + "\"";
    if (!::CreateProcessA(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return "velmar.exe did not start";
    HWND main = nullptr;
    WaitUntil([&] { return (main = ::FindWindowA("#32770", "Velmar")) && ::IsWindowVisible(main); },
              15000);
    std::string result = "no main window";
    if (main) {
        ::PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        if (!WaitUntil([&] { return ::IsIconic(main) != FALSE; }, 5000)) {
            result = "the window did not minimise";
        } else {
            // The caption is what a minimised window shows here: have it painted, then look.
            ::RedrawWindow(main, nullptr, nullptr,
                           RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            const Pixels icon = ProgramIcon(exe);
            RECT rect{};
            const auto shown = [&] {
                ::GetWindowRect(main, &rect);
                const int width = rect.right - rect.left, height = rect.bottom - rect.top;
                if (width < kIconSize || height < kIconSize) return false;
                HDC screen = ::GetDC(nullptr);
                const Pixels area = Capture(screen, rect.left, rect.top, width, height);
                ::ReleaseDC(nullptr, screen);
                return Contains(area, width, height, icon);
            };
            result = WaitUntil(shown, 5000) ? "found"
                                            : "the program icon is not on the minimised window";
        }
        ::PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    }
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string result = Probe(argv[1]);
    if (FILE* out = std::fopen(argv[2], "w")) {
        std::fprintf(out, "%s\n", result.c_str());
        std::fclose(out);
    }
    return result == "found" ? 0 : 1;
}
