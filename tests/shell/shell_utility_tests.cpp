#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_icons.h"
#include "modal_test.h"
#include "ole_apartment.h"
#include "resource.h"
#include "run_modal_once.h"
#include "shell_open.h"
#include "system_error_text.h"
#include "ui_test.h"

namespace {

// A plain dialog on the viewer's template: its caption stays "%s Help".
constexpr char kPlainCaption[] = "%s Help";

std::string RawSystemText(DWORD code) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0,
        nullptr);
    std::string result(text ? text : "", length);
    if (text) ::LocalFree(text);
    return result;
}

TEST(RunModalOnce, ClearsTheSlotHoweverTheModalLoopEnds) {
    CDialog* slot = nullptr;
    CDialog dlg(IDD_TEXT_VIEW);
    WhenWindowShows(kPlainCaption, [&](HWND window) {
        EXPECT_EQ(slot, &dlg) << "the slot names the running dialog";
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(RunModalOnce(&dlg, slot), IDCANCEL);
    EXPECT_EQ(slot, nullptr);

    CDialog withoutTemplate(12345);
    EXPECT_EQ(RunModalOnce(&withoutTemplate, slot), -1);
    EXPECT_EQ(slot, nullptr);

    EXPECT_THROW(RunModalOnce(&dlg, slot,
                              [&]() -> INT_PTR {
                                  EXPECT_EQ(slot, &dlg);
                                  AfxThrowMemoryException();
                              }),
                 CMemoryException);
    EXPECT_EQ(slot, nullptr) << "a loop left by an exception does not block later requests";

    WhenWindowShows(kPlainCaption,
                    [](HWND window) { ::PostMessageA(window, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(RunModalOnce(&dlg, slot), IDOK);
}

TEST(RunModalOnce, BusySlotRefusesWith3AndBringsTheRunningDialogToTheFront) {
    int loops = 0;
    const auto countingLoop = [&]() -> INT_PTR { return ++loops; };
    CDialog request(IDD_TEXT_VIEW);

    CDialog gone(IDD_TEXT_VIEW);
    CDialog* slot = &gone;
    EXPECT_EQ(RunModalOnce(&request, slot, countingLoop), 3) << "a slot whose window is gone";
    EXPECT_EQ(slot, &gone);

    CDialog running(IDD_TEXT_VIEW);
    ASSERT_TRUE(running.Create(IDD_TEXT_VIEW));
    running.ShowWindow(SW_SHOW);
    HWND other = ::CreateWindowExA(0, "STATIC", "Other window", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                   100, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(other);
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == other; }, 3000));
    slot = &running;
    EXPECT_EQ(RunModalOnce(&request, slot, countingLoop), 3);
    EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == running.m_hWnd; }, 3000));
    EXPECT_EQ(slot, &running);
    EXPECT_EQ(loops, 0) << "no second dialog runs";
    ::DestroyWindow(other);
}

TEST(SystemErrorText, ComesWithoutItsLineEndAndUnknownCodesLeaveTheTextAlone) {
    const std::string raw = RawSystemText(ERROR_FILE_NOT_FOUND);
    ASSERT_GE(raw.size(), 2u);
    ASSERT_EQ(raw.substr(raw.size() - 2), "\r\n");
    CString text = "before";
    EXPECT_EQ(GetSystemErrorText(ERROR_FILE_NOT_FOUND, text), raw.size());
    EXPECT_EQ(std::string(text), raw.substr(0, raw.size() - 2));

    text = "before";
    EXPECT_EQ(GetSystemErrorText(0x2FFFFFFF, text), 0u);
    EXPECT_STREQ(text, "before");

    // A text with inserts and no arguments for them.
    const std::string withInserts = RawSystemText(ERROR_MR_MID_NOT_FOUND);
    ASSERT_NE(withInserts.find("%1"), std::string::npos);
    EXPECT_GT(GetSystemErrorText(ERROR_MR_MID_NOT_FOUND, text), 0u);
    EXPECT_NE(std::string(text).find("%1"), std::string::npos);
}

TEST(ShellOpen, ReportsAFileThatCannotBeOpenedByItsErrorNumber) {
    const ShellOpenOutcome outcome = ShellOpen(nullptr, "C:\\no such folder\\nothing.velmar");
    EXPECT_FALSE(outcome.opened);
    EXPECT_FALSE(outcome.cancelled);
    EXPECT_EQ(outcome.error, SE_ERR_FNF);
}

HICON IconOf(HWND window, WPARAM size) {
    return reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, size, 0));
}

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return {0, 0};
    BITMAP bitmap{};
    ::GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    // A mask without a colour bitmap holds both halves of a monochrome icon.
    return {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

TEST(DialogIcons, IdZeroAndTheProgramsIdGiveTheSameLargeAndSmallIcons) {
    CDialog dlg(IDD_TEXT_VIEW);
    ASSERT_TRUE(dlg.Create(IDD_TEXT_VIEW));

    SetDialogIcons(&dlg, 0);
    const HICON large = IconOf(dlg, ICON_BIG);
    const HICON smallIcon = IconOf(dlg, ICON_SMALL);
    ASSERT_NE(large, nullptr);
    ASSERT_NE(smallIcon, nullptr);
    EXPECT_EQ(IconSize(large).cx, ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(large, LoadCachedIcon(IDR_MAINFRAME, ::GetSystemMetrics(SM_CXICON)));
    EXPECT_EQ(IconSize(LoadCachedIcon(IDR_MAINFRAME, 48)).cx, 48) << "the size of a larger scale";
    EXPECT_EQ(IconSize(smallIcon).cx, 16);
    EXPECT_EQ(IconSize(smallIcon).cy, 16);

    EXPECT_EQ(SetDialogIcons(&dlg, IDR_MAINFRAME), reinterpret_cast<LRESULT>(smallIcon))
        << "the result is the second message's: the small icon it replaced";
    EXPECT_EQ(IconOf(dlg, ICON_BIG), large);
    EXPECT_EQ(IconOf(dlg, ICON_SMALL), smallIcon);

    SetDialogIcons(&dlg, 4242);
    EXPECT_EQ(IconOf(dlg, ICON_BIG), nullptr) << "an id without an icon leaves none";
    EXPECT_EQ(IconOf(dlg, ICON_SMALL), nullptr);
}

// What Windows picks from at 100 % to 300 % display scaling and in Explorer's large views.
TEST(ProgramIcon, HasAnImageOfEverySizeWindowsAsksFor) {
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(IDR_MAINFRAME), RT_GROUP_ICON);
    ASSERT_NE(found, nullptr);
    const auto* group = static_cast<const BYTE*>(::LockResource(::LoadResource(module, found)));
    // The group's directory: three words (count last), then 14-byte entries, width first.
    const int count = group[4] | group[5] << 8;
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        const int width = group[6 + 14 * i];
        sizes.push_back(width == 0 ? 256 : width);
    }
    for (const int size : {16, 20, 24, 32, 48, 256})
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size;
}

// A module with resources but no icon, to tell the cache from the resource module.
class ResourcesWithoutIcons {
public:
    ResourcesWithoutIcons() {
        char path[MAX_PATH] = "";
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string dll = path;
        dll = dll.substr(0, dll.find_last_of('\\') + 1) + "no_version.dll";
        m_module = ::LoadLibraryExA(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    ~ResourcesWithoutIcons() {
        AfxSetResourceHandle(m_own);
        if (m_module) ::FreeLibrary(m_module);
    }
    ResourcesWithoutIcons(const ResourcesWithoutIcons&) = delete;
    ResourcesWithoutIcons& operator=(const ResourcesWithoutIcons&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    void Use() { AfxSetResourceHandle(m_module); }
    void UseOwn() { AfxSetResourceHandle(m_own); }

private:
    HINSTANCE m_own = AfxGetResourceHandle();
    HMODULE m_module = nullptr;
};

TEST(DialogIcons, AnIconComesFromTheCacheOnceLoadedAndMissingOnesAreTriedAgain) {
    // Icon 1001 is the tests' own, so nothing has asked for it before.
    ResourcesWithoutIcons noIcons;
    ASSERT_TRUE(noIcons.Loaded());
    noIcons.Use();
    EXPECT_EQ(LoadCachedIcon(1001, 32), nullptr);

    noIcons.UseOwn();
    const HICON icon = LoadCachedIcon(1001, 32);
    ASSERT_NE(icon, nullptr) << "a missing icon is not remembered as missing";

    noIcons.Use();
    EXPECT_EQ(LoadCachedIcon(1001, 32), icon) << "the second call does not go to the module";
    EXPECT_EQ(LoadCachedIcon(0x10000 + 1001, 32), icon) << "the id is 16 bits";
    EXPECT_EQ(LoadCachedIcon(1002, 32), nullptr);
}

}  // namespace

// The shell's file view in the open dialog takes drops and the clipboard through OLE, which COM
// alone does not set up. Each on a thread of its own, which starts with neither.
TEST(OleApartment, SetsUpTheOleClipboardThatComAloneDoesNot) {
    struct Probe {
        static DWORD WINAPI WithCom(void*) {
            const ComApartment com;
            return TakesTheClipboard();
        }
        static DWORD WINAPI WithOle(void*) {
            const OleApartment ole;
            return TakesTheClipboard();
        }
        // No data object: the OLE clipboard lets go of what this thread put on it.
        static DWORD TakesTheClipboard() { return SUCCEEDED(::OleSetClipboard(nullptr)); }
    };
    auto run = [](LPTHREAD_START_ROUTINE probe) {
        const HANDLE thread = ::CreateThread(nullptr, 0, probe, nullptr, 0, nullptr);
        DWORD taken = 2;
        if (thread && ::WaitForSingleObject(thread, 10000) == WAIT_OBJECT_0)
            ::GetExitCodeThread(thread, &taken);
        if (thread) ::CloseHandle(thread);
        return taken;
    };
    EXPECT_EQ(run(&Probe::WithCom), 0u);
    EXPECT_EQ(run(&Probe::WithOle), 1u);
}
