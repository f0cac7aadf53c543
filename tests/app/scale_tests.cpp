#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "afxwin.h"
#include "program_fixture.h"
#include "resource.h"
#include "sample_panel.h"

namespace {

// Wine takes the display scale of a process from LogPixels when the process starts, so each
// program started while one of these lives runs at that scale; the tests' own process stays at
// the scale it started with.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kDesktop, 0, nullptr, 0, KEY_WRITE, nullptr, &m_key,
                          nullptr);
        ::RegSetValueExA(m_key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                         sizeof dpi);
    }
    ~DisplayScale() {
        ::RegDeleteValueA(m_key, "LogPixels");
        ::RegCloseKey(m_key);
    }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    static constexpr char kDesktop[] = "Control Panel\\Desktop";
    HKEY m_key = nullptr;
};

// The default picture as this process draws it at a size: the same GDI at the same size, so a
// picture on the screen that was stretched or cut would differ from it.
Picture DefaultPictureAt(int nPanel, SIZE size) {
    SamplePanel panel(nPanel);
    CreateSampleBitmap(panel, size);
    const SamplePicture::Lent unselected(panel.m_picture);  // a bitmap is read out of any DC
    const CClientDC screen(nullptr);
    return PictureOf(screen, unselected.Bitmap(), size.cx, size.cy);
}

// How many pixels differ and where the first one is, for a failure to say what it saw.
std::string Difference(const Picture& shown, const Picture& expected) {
    if (shown.width != expected.width || shown.height != expected.height)
        return "shown " + std::to_string(shown.width) + " x " + std::to_string(shown.height) +
               ", expected " + std::to_string(expected.width) + " x " +
               std::to_string(expected.height);
    int differing = 0;
    size_t first = 0;
    for (size_t i = 0; i < shown.pixels.size(); ++i)
        if (shown.pixels[i] != expected.pixels[i] && differing++ == 0) first = i;
    if (differing == 0) return "none differ";
    return std::to_string(differing) + " pixels differ, the first at (" +
           std::to_string(first % static_cast<size_t>(shown.width)) + ", " +
           std::to_string(first / static_cast<size_t>(shown.width)) + ")";
}

// The tests' process reads the screen in device pixels, whatever the program's scale.
class DeviceCoordinates {
public:
    DeviceCoordinates()
        : m_before(::SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {}
    ~DeviceCoordinates() { ::SetThreadDpiAwarenessContext(m_before); }
    DeviceCoordinates(const DeviceCoordinates&) = delete;
    DeviceCoordinates& operator=(const DeviceCoordinates&) = delete;

private:
    DPI_AWARENESS_CONTEXT m_before;
};

TEST_F(ProgramTest, AtEveryScaleThePicturesHaveTheirButtonsSizeInDevicePixelsUnstretched) {
    const DeviceCoordinates device;
    SIZE at96{};
    for (const UINT dpi : {96u, 144u, 192u}) {
        const DisplayScale displayScale(dpi);
        ProgramDriver& velmar = StartProgram();
        ASSERT_NE(velmar.MainWindow(), nullptr) << dpi;

        // Dialog units follow the dialog font's measures at that scale, which round.
        const SIZE size = ClientSize(velmar.Item(IDC_PICTURE1));
        if (dpi == 96) at96 = size;
        const double scale = dpi / 96.0;
        EXPECT_NEAR(size.cx / static_cast<double>(at96.cx), scale, 0.15 * scale) << dpi;
        EXPECT_NEAR(size.cy / static_cast<double>(at96.cy), scale, 0.15 * scale) << dpi;

        // Within a 1366 x 768 screen at 100 % and a 1920 x 1080 one at 150 %, a task bar besides.
        RECT window{};
        ::GetWindowRect(velmar.MainWindow(), &window);
        if (dpi == 96 || dpi == 144) {
            EXPECT_LE(window.right - window.left, dpi == 96 ? 1366 : 1920) << dpi;
            EXPECT_LE(window.bottom - window.top, dpi == 96 ? 768 - 40 : 1080 - 60) << dpi;
        }
        EXPECT_EQ(::SendMessageA(velmar.Item(IDC_BK_COLOR1), CB_GETITEMHEIGHT, 0, 0),
                  ::MulDiv(16, static_cast<int>(dpi), 96))
            << "the pickers' entries at " << dpi << " DPI";
        for (const int nPanel : {0, 1}) {
            const int id = nPanel == 0 ? IDC_PICTURE1 : IDC_PICTURE2;
            ASSERT_EQ(ClientSize(velmar.Item(id)).cx, size.cx);
            const Picture expected = DefaultPictureAt(nPanel, size);
            const auto same = [&](const Picture& shown) { return shown.pixels == expected.pixels; };
            const Picture shown = velmar.WaitForPicture(id, same);
            EXPECT_TRUE(same(shown)) << "the default picture of panel " << nPanel << " at " << dpi
                                     << " DPI: " << Difference(shown, expected);
        }
        velmar.ClickItem(IDC_BLT_1TO2);
        const Picture first = DefaultPictureAt(0, size);
        const auto copied = [&](const Picture& shown) { return shown.pixels == first.pixels; };
        const Picture copy = velmar.WaitForPicture(IDC_PICTURE2, copied);
        EXPECT_TRUE(copied(copy)) << "SRCCOPY copies Bitmap 1 exactly, at " << dpi
                                  << " DPI: " << Difference(copy, first);

        ::PostMessageA(velmar.MainWindow(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(velmar.WaitForExit(), 0);
    }
}

// Runs the probe and gives what it printed and its exit code.
std::pair<std::string, DWORD> RunProbe(const char* exe) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return {"no pipe", 1};
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::string commandLine = exe;
    const BOOL started = ::CreateProcessA(exe, commandLine.data(), nullptr, nullptr, TRUE,
                                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    std::string output;
    char buffer[512];
    DWORD read = 0;
    while (started && ::ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
        output.append(buffer, read);
    ::CloseHandle(readEnd);
    if (!started) return {"not started", 1};
    DWORD exitCode = 1;
    ::WaitForSingleObject(process.hProcess, 30000);
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return {output, exitCode};
}

// The dialog font is a scalable one (MS Shell Dlg), so text and layout grow together at every
// scale; a text cut off at one of them shows here.
TEST(DialogText, FitsEveryControlAt100125150And200Percent) {
    for (const DWORD dpi : {96u, 120u, 144u, 192u}) {
        const DisplayScale displayScale(dpi);
        const auto [report, clipped] = RunProbe(VELMAR_TEXT_FIT_PROBE);
        EXPECT_EQ(clipped, 0u) << dpi << " DPI:\n" << report;
    }
}

// A move to a monitor of another scale resizes the dialog's controls and nothing else: the
// pictures stay as they are, unstretched, and the next re-creation takes the new size.
TEST_F(ProgramTest, APictureButtonOfAnotherSizeKeepsThePictureUntilBlackAndWhiteRemakesIt) {
    const DeviceCoordinates device;
    ProgramDriver& velmar = StartProgram();
    HWND button = velmar.Item(IDC_PICTURE1);
    const SIZE made = ClientSize(button);
    const Picture before = DefaultPictureAt(0, made);
    RECT frame{};
    ::GetWindowRect(button, &frame);
    const int border = (frame.right - frame.left) - made.cx;
    // A little larger only, so it does not reach the Clear button below it.
    const SIZE grown{made.cx + 8, made.cy + 4};
    ::SetWindowPos(button, nullptr, 0, 0, grown.cx + border, grown.cy + border,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(ClientSize(button).cx, grown.cx);

    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const auto unstretched = [&](const Picture& shown) {
        if (shown.width != grown.cx || shown.height != grown.cy) return false;
        for (int y = 0; y < grown.cy; ++y)
            for (int x = 0; x < grown.cx; ++x) {
                const COLORREF expected = x < made.cx && y < made.cy
                                              ? before.pixels[static_cast<size_t>(y * made.cx + x)]
                                              : face;
                if (shown.pixels[static_cast<size_t>(y * grown.cx + x)] != expected) return false;
            }
        return true;
    };
    EXPECT_TRUE(unstretched(velmar.WaitForPicture(IDC_PICTURE1, unstretched)))
        << "the picture in the top-left corner, the button face around it";

    velmar.ClickItem(IDC_MONO1);
    const auto remade = [&](const Picture& shown) {
        // Black and white at the new size: white above the middle row, black from it down.
        for (int y = 0; y < grown.cy; ++y)
            for (int x = 0; x < grown.cx; ++x)
                if (shown.pixels[static_cast<size_t>(y * grown.cx + x)] !=
                    (y < grown.cy / 2 ? RGB(255, 255, 255) : RGB(0, 0, 0)))
                    return false;
        return shown.width == grown.cx;
    };
    EXPECT_TRUE(remade(velmar.WaitForPicture(IDC_PICTURE1, remade)));
}

// What Windows reads before the program starts. (Wine has no per-monitor v2 of its own to report
// back, and treats every program as aware of the scale; the pictures above show that the
// program draws at the scale it is given.)
TEST(Manifest, AsksForTheInvokersRightsThemedControlsAndPerMonitorV2OverSystemScale) {
    HMODULE program = ::LoadLibraryExA(VELMAR_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const HRSRC found = ::FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr) << "no application manifest";
    const std::string manifest(
        static_cast<const char*>(::LockResource(::LoadResource(program, found))),
        ::SizeofResource(program, found));
    for (const char* part :
         {"requestedExecutionLevel level=\"asInvoker\"", "Microsoft.Windows.Common-Controls",
          "version=\"6.0.0.0\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">true</dpiAware>",
          ">PerMonitorV2, System</dpiAwareness>"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    ::FreeLibrary(program);
}

}  // namespace
