#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "about_dlg.h"
#include "message_box_watcher.h"
#include "modal_test.h"
#include "resource.h"
#include "test_registry_key.h"
#include "ui_test.h"
#include "velmar_version.h"
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
    EXPECT_STREQ(dlg.m_strNameVersion, AfxWidenText("Velmar v" VELMAR_VERSION_TEXT));
    EXPECT_STREQ(dlg.m_strLegalNotice, version.GetStringW("LegalCopyright"));
    EXPECT_STREQ(dlg.m_strDescription, version.GetStringW("FileDescription"));
    EXPECT_STREQ(dlg.m_strWebSite, VELMAR_WEB_SITE);

    bool shown = false;
    WhenWindowShows(kCaption, [&](HWND about) {
        shown = true;
        EXPECT_EQ(ControlText(about, IDC_ABOUT_NAME_VERSION), "Velmar v" VELMAR_VERSION_TEXT);
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

// The texts the About box shows for a launch the shell refuses, one click each.
std::vector<std::string> LaunchFailureTexts(const std::string& target, int clicks) {
    CAboutDlg dlg(nullptr);
    dlg.m_strWebSite = target.c_str();
    MessageBoxWatcher boxes;
    std::vector<std::string> texts;
    WhenWindowShows(kCaption, [&](HWND about) {
        for (int i = 0; i < clicks; ++i) ClickButton(about, IDC_ABOUT_WEB_SITE);
        for (int i = 0; i < boxes.Count(); ++i) {
            texts.push_back(boxes.At(i).text);
            EXPECT_EQ(boxes.At(i).caption, "Velmar");
            EXPECT_EQ(boxes.At(i).icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        }
        EXPECT_TRUE(::IsWindowVisible(about));
        ClickButton(about, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    return texts;
}

// A file of a kind no program opens: the shell's "no association", which is no system error.
class FileOfNoKnownKind {
public:
    FileOfNoKnownKind() {
        char folder[MAX_PATH] = "";
        ::GetTempPathA(sizeof folder, folder);
        m_path = std::string(folder) + "velmar-test.velmar-no-such-kind";
        std::ofstream(m_path) << "nothing opens this\n";
    }
    ~FileOfNoKnownKind() { ::DeleteFileA(m_path.c_str()); }
    FileOfNoKnownKind(const FileOfNoKnownKind&) = delete;
    FileOfNoKnownKind& operator=(const FileOfNoKnownKind&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// No program registered for anything, as on a system where no browser is set up.
class NoFileTypesRegistered {
public:
    NoFileTypesRegistered() {
        m_overridden = ::RegOverridePredefKey(HKEY_CLASSES_ROOT, m_empty.Handle());
    }
    ~NoFileTypesRegistered() { ::RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr); }
    NoFileTypesRegistered(const NoFileTypesRegistered&) = delete;
    NoFileTypesRegistered& operator=(const NoFileTypesRegistered&) = delete;
    bool Overridden() const { return m_overridden == ERROR_SUCCESS; }

private:
    TestRegistryKey m_empty{"NoClasses"};
    LONG m_overridden = ERROR_INVALID_HANDLE;
};

TEST(AboutBox, FailedLaunchesAreNamedForWhatWentWrongAndLeaveTheBoxOpen) {
    const FileOfNoKnownKind file;
    EXPECT_EQ(LaunchFailureTexts(file.Path(), 1),
              std::vector<std::string>{"No program is set up to open this kind of file."});
    {
        const NoFileTypesRegistered none;
        ASSERT_TRUE(none.Overridden());
        EXPECT_EQ(LaunchFailureTexts(VELMAR_WEB_SITE, 1),
                  std::vector<std::string>{"No web browser is set up on this computer."});
    }
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
