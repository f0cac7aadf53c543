#include <gtest/gtest.h>

#include <string>

#include "about_dlg.h"
#include "message_box_watcher.h"
#include "modal_test.h"
#include "resource.h"
#include "text_resource.h"
#include "text_view_dlg.h"
#include "ui_test.h"

namespace {

constexpr char kCaption[] = "Velmar Help";

std::string EditText(HWND viewer) { return WindowText(::GetDlgItem(viewer, IDC_TEXT_VIEW_EDIT)); }

TEST(TextViewer, ShowsTheHelpTextFromItsFirstLineWithTheFocusOnClose) {
    CString help;
    ASSERT_TRUE(LoadTextResource("HELP", "TXT", help));
    CTextViewDlg dlg(nullptr, "HELP");
    WhenWindowShows(kCaption, [&](HWND viewer) {
        HWND edit = ::GetDlgItem(viewer, IDC_TEXT_VIEW_EDIT);
        EXPECT_EQ(EditText(viewer), help.GetString());
        EXPECT_EQ(::SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        DWORD start = 1, end = 1;
        ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, end) << "nothing is selected";
        EXPECT_GT(::SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 40) << "lines break at CR LF";
        EXPECT_TRUE(::GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
        EXPECT_TRUE(::GetWindowLongA(viewer, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(viewer, IDCANCEL));
        EXPECT_EQ(WindowText(::GetDlgItem(viewer, IDCANCEL)), "&Close");
        ClickButton(viewer, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(CountWindows(kCaption), 0);
}

TEST(TextViewer, EveryWayOfClosingItEndsWithCancel) {
    const std::function<void(HWND)> ways[] = {
        [](HWND) { PressKey(VK_RETURN); },
        [](HWND) { PressKey(VK_ESCAPE); },
        [](HWND viewer) { ::PostMessageA(viewer, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& close : ways) {
        CTextViewDlg dlg(nullptr, "HELP");
        WhenWindowShows(kCaption, close);
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }
}

TEST(TextViewer, ShowsTextsWithTheTrailing0x02RuleApplied) {
    const struct {
        const char* resource;
        const char* shown;
    } texts[] = {{"ENDS_IN_02", "abc"}, {"FIRST_BYTE_ZERO", ""}};
    for (const auto& text : texts) {
        CTextViewDlg dlg(nullptr, text.resource);
        std::string shown = "not shown";
        WhenWindowShows(kCaption, [&](HWND viewer) {
            shown = EditText(viewer);
            ClickButton(viewer, IDCANCEL);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(shown, text.shown) << text.resource;
    }
}

TEST(TextViewer, MissingTextIsReportedAsOutOfMemoryAndTheViewerStillRuns) {
    MessageBoxWatcher boxes;
    CTextViewDlg dlg(nullptr, "NO_SUCH_TEXT");
    WhenWindowShows(kCaption, [&](HWND viewer) {
        ASSERT_EQ(boxes.Count(), 1);
        EXPECT_EQ(boxes.At(0).text, "Out of memory.");
        EXPECT_EQ(boxes.At(0).icon, static_cast<UINT>(MB_ICONEXCLAMATION));
        EXPECT_TRUE(boxes.At(0).systemModal);
        EXPECT_EQ(EditText(viewer), "");
        ClickButton(viewer, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST(TextViewer, SecondRequestReturns3WhileTheAboutBoxStillOpens) {
    CTextViewDlg dlg(nullptr, "HELP");
    WhenWindowShows(kCaption, [](HWND viewer) {
        CTextViewDlg second(nullptr, "HELP");
        EXPECT_EQ(second.DoModal(), 3);
        EXPECT_EQ(CountWindows(kCaption), 1);

        CAboutDlg about(nullptr);
        WhenWindowShows("About Velmar", [](HWND box) { ClickButton(box, IDOK); });
        EXPECT_EQ(about.DoModal(), IDOK) << "an open viewer does not block the About box";
        ClickButton(viewer, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

}  // namespace
