#include <gtest/gtest.h>

#include <string>

#include "about_dlg.h"
#include "message_box_watcher.h"
#include "modal_test.h"
#include "resource.h"
#include "ui_test.h"
#include "version_info.h"
#include "web_site.h"

namespace {

constexpr char kCaption[] = "About Velmar";

std::string ControlText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }

// What the system says for an error number, without its line end.
std::string SystemText(DWORD code) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result(text ? text : "", length);
    if (text) ::LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
    return result;
}

TEST(AboutBox, ShowsTheVersionResourceUnderItsCaption) {
    const CVersionInfo version;
    CAboutDlg dlg(nullptr);
    EXPECT_STREQ(dlg.m_strNameVersion, "Velmar v1.7");
    EXPECT_STREQ(dlg.m_strLegalNotice, version.GetString("LegalCopyright"));
    EXPECT_STREQ(dlg.m_strDescription, version.GetString("FileDescription"));
    EXPECT_STREQ(dlg.m_strWebSite, VELMAR_WEB_SITE);

    bool shown = false;
    WhenWindowShows(kCaption, [&](HWND about) {
        shown = true;
        EXPECT_EQ(ControlText(about, IDC_ABOUT_NAME_VERSION), "Velmar v1.7");
        EXPECT_EQ(ControlText(about, IDC_ABOUT_LEGAL),
                  "Copyright \xA9 2026 Tovera Software Works.\nAll rights reserved.");
        EXPECT_EQ(ControlText(about, IDC_ABOUT_DESCRIPTION),
                  "Finds the ternary raster-operation code for a BitBlt call");
        const std::string button = ControlText(about, IDC_ABOUT_WEB_SITE);
        EXPECT_NE(button.find("visit our Internet web site at " VELMAR_WEB_SITE " "),
                  std::string::npos)
            << button;
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(about, IDOK));
        ClickButton(about, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(shown);
    EXPECT_EQ(CountWindows(kCaption), 0);
}

TEST(AboutBox, EnterEndsItWithOkAndEscapeOrCloseWithCancel) {
    const struct {
        const char* how;
        std::function<void(HWND)> close;
        INT_PTR result;
    } ways[] = {
        {"Enter", [](HWND) { PressKey(VK_RETURN); }, IDOK},
        {"Escape", [](HWND) { PressKey(VK_ESCAPE); }, IDCANCEL},
        {"Close", [](HWND about) { ::PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); }, IDCANCEL},
    };
    for (const auto& way : ways) {
        CAboutDlg dlg(nullptr);
        WhenWindowShows(kCaption, way.close);
        EXPECT_EQ(dlg.DoModal(), way.result) << way.how;
    }
}

TEST(AboutBox, SecondRequestWhileOneIsOpenReturns3AndBringsTheOpenOneToTheFront) {
    CAboutDlg first(nullptr);
    WhenWindowShows(kCaption, [](HWND about) {
        HWND other = ::CreateWindowExA(0, "STATIC", "Other window", WS_POPUP | WS_VISIBLE, 0, 0,
                                       100, 100, nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(other);
        PumpUntil([&] { return ::GetForegroundWindow() == other; }, 3000);
        ASSERT_EQ(::GetForegroundWindow(), other);

        CAboutDlg second(nullptr);
        EXPECT_EQ(second.DoModal(), 3);
        EXPECT_EQ(::GetForegroundWindow(), about);
        EXPECT_EQ(CountWindows(kCaption), 1);
        ::DestroyWindow(other);
        ::PostMessageA(about, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(first.DoModal(), IDCANCEL);

    CAboutDlg later(nullptr);
    WhenWindowShows(kCaption, [](HWND about) { ClickButton(about, IDOK); });
    EXPECT_EQ(later.DoModal(), IDOK) << "the box that ended no longer blocks a new one";
}

TEST(AboutBox, FailedLaunchShowsTheSystemsMessageForEachClickAndLeavesTheBoxOpen) {
    CAboutDlg dlg(nullptr);
    dlg.m_strWebSite = "C:\\no such folder\\velmar-home.html";
    MessageBoxWatcher boxes;
    WhenWindowShows(kCaption, [&](HWND about) {
        ClickButton(about, IDC_ABOUT_WEB_SITE);
        ClickButton(about, IDC_ABOUT_WEB_SITE);
        ASSERT_EQ(boxes.Count(), 2);
        for (int i = 0; i < 2; ++i) {
            const SeenMessageBox box = boxes.At(i);
            EXPECT_EQ(box.text, SystemText(ERROR_FILE_NOT_FOUND));
            EXPECT_EQ(box.caption, "Velmar");
            EXPECT_EQ(box.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        }
        EXPECT_TRUE(::IsWindowVisible(about));
        ClickButton(about, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

}  // namespace
