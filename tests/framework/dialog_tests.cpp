#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "afxwin.h"
#include "exception_report.h"
#include "framework_test_app.h"
#include "message_box_watcher.h"
#include "test_dialog.h"
#include "ui_test.h"

namespace {

class CTestDlg : public CDialog {
public:
    CTestDlg() : CDialog(IDD_TEST_DIALOG) {}
    int m_clicks = 0;
    int m_initCalls = 0;
    int m_seenByOnCommand = 0;

    BOOL OnInitDialog() override {
        ++m_initCalls;
        return CDialog::OnInitDialog();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) == IDC_TEST_BUTTON) ++m_seenByOnCommand;
        return CDialog::OnCommand(wParam, lParam);
    }

protected:
    void OnButton() { ++m_clicks; }
    void OnAppCommand() { PostMessage(WM_COMMAND, ID_TEST_APP_ONLY, 0); }
    void OnThrowMemory() { AfxThrowMemoryException(); }
    void OnThrowResource() { AfxThrowResourceException(); }
    void OnThrowOther() { throw 42; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(IDC_TEST_BUTTON, &CTestDlg::OnButton)
ON_BN_CLICKED(IDC_TEST_APP_COMMAND, &CTestDlg::OnAppCommand)
ON_BN_CLICKED(IDC_TEST_THROW_MEMORY, &CTestDlg::OnThrowMemory)
ON_BN_CLICKED(IDC_TEST_THROW_RESOURCE, &CTestDlg::OnThrowResource)
ON_BN_CLICKED(IDC_TEST_THROW_OTHER, &CTestDlg::OnThrowOther)
END_MESSAGE_MAP()

// Closes the dialog that is about to run modally, from its own message loop.
class CSelfClosingDlg : public CTestDlg {
public:
    explicit CSelfClosingDlg(CWnd* owner, UINT command) : m_command(command) {
        m_pParentWnd = owner;
    }
    HWND m_ownerSeenDisabled = nullptr;
    bool m_ownerWasDisabled = false;
    BOOL OnInitDialog() override {
        CTestDlg::OnInitDialog();
        if (m_pParentWnd) m_ownerWasDisabled = !::IsWindowEnabled(m_pParentWnd->m_hWnd);
        PostMessage(WM_COMMAND, m_command, 0);
        return TRUE;
    }

private:
    UINT m_command;
};

TEST(Dialog, ModalRunEndsWithTheButtonsResultAndReenablesTheOwner) {
    CTestDlg owner;
    ASSERT_TRUE(owner.Create(IDD_TEST_DIALOG));
    for (UINT command : {IDOK, IDCANCEL}) {
        CSelfClosingDlg dlg(&owner, command);
        EXPECT_EQ(dlg.DoModal(), static_cast<INT_PTR>(command));
        EXPECT_EQ(dlg.m_initCalls, 1);
        EXPECT_TRUE(dlg.m_ownerWasDisabled) << "a modal dialog disables its owner while it runs";
        EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
        EXPECT_EQ(dlg.m_hWnd, nullptr) << "the object lets go of the destroyed window";
    }
}

TEST(Dialog, ModalRunWithoutTemplateFails) {
    CDialog dlg(12345);
    EXPECT_EQ(dlg.DoModal(), -1);
}

TEST(Dialog, ModelessDialogDispatchesClicksThroughOnCommandAndTheMessageMap) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    EXPECT_EQ(CWnd::FromHandle(dlg.m_hWnd), &dlg);
    ClickButton(dlg.m_hWnd, IDC_TEST_BUTTON);
    ClickButton(dlg.m_hWnd, IDC_TEST_BUTTON);
    EXPECT_EQ(dlg.m_seenByOnCommand, 2);
    EXPECT_EQ(dlg.m_clicks, 2);
}

TEST(Dialog, CommandTheDialogDoesNotHandleGoesToTheApplication) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    const int before = theTestApp.m_appCommands;
    ClickButton(dlg.m_hWnd, IDC_TEST_APP_COMMAND);
    PumpMessages();
    EXPECT_EQ(theTestApp.m_appCommands, before + 1);
}

TEST(Dialog, HelpButtonIsHiddenWhenNothingHandlesTheHelpCommand) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, ID_HELP)));
}

TEST(Dialog, FromHandleWrapsForeignWindowsWithoutTakingThemOver) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    HWND edit = ::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT);
    CWnd* wrapper = CWnd::FromHandle(edit);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->m_hWnd, edit);
    EXPECT_EQ(CWnd::FromHandle(edit), wrapper) << "the same wrapper while the window lives";
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
}

TEST(Dialog, AWindowTakenOverBySecondObjectIsTheSecondsUntilItLetsGo) {
    HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    CWnd first, second, third;
    ASSERT_TRUE(first.Attach(window));
    ASSERT_TRUE(second.Attach(window));
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &second);
    EXPECT_EQ(first.Detach(), window);
    EXPECT_EQ(CWnd::FromHandle(window), &second) << "the first letting go leaves the second";
    EXPECT_EQ(second.Detach(), window);
    EXPECT_EQ(CWnd::FromHandlePermanent(window), nullptr);
    ASSERT_TRUE(third.Attach(window));
    EXPECT_EQ(CWnd::FromHandlePermanent(window), &third);
    third.Detach();
    ::DestroyWindow(window);
}

TEST(WindowProcedureExceptions, AreReportedWithTheirOwnMessageAndTheDialogKeepsWorking) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    theTestApp.m_pMainWnd = &dlg;
    MessageBoxWatcher boxes;

    ClickButton(dlg.m_hWnd, IDC_TEST_THROW_MEMORY);
    ClickButton(dlg.m_hWnd, IDC_TEST_THROW_RESOURCE);
    ClickButton(dlg.m_hWnd, IDC_TEST_THROW_OTHER);
    ASSERT_EQ(boxes.Count(), 3);

    const SeenMessageBox memory = boxes.At(0);
    EXPECT_EQ(memory.text, "Out of memory.");
    EXPECT_EQ(memory.icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_TRUE(memory.systemModal);
    EXPECT_EQ(memory.caption, "Framework Test");

    const SeenMessageBox resource = boxes.At(1);
    EXPECT_EQ(resource.text, "A required resource was unavailable.");
    EXPECT_EQ(resource.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_FALSE(resource.systemModal);

    EXPECT_EQ(boxes.At(2).text, "No error message is available.");
    EXPECT_EQ(boxes.At(2).icon, static_cast<UINT>(MB_ICONSTOP));

    ClickButton(dlg.m_hWnd, IDC_TEST_BUTTON);
    EXPECT_EQ(dlg.m_clicks, 1) << "the dialog still answers after the reports";
    theTestApp.m_pMainWnd = nullptr;
}

// A report kept for later (a fault while a window paints) shows its box after the exception is
// gone; a shortage of memory is kept without taking any.
TEST(WindowProcedureExceptions, AKeptReportShowsTheBoxOfItsException) {
    const struct {
        std::function<void()> raise;
        const char* text;  // null: no box
        UINT icon;
        bool systemModal;
    } cases[] = {
        {[] { AfxThrowMemoryException(); }, "Out of memory.", MB_ICONEXCLAMATION, true},
        {[] { throw std::bad_alloc(); }, "Out of memory.", MB_ICONEXCLAMATION, true},
        {[] { AfxThrowResourceException(); }, "A required resource was unavailable.", MB_ICONSTOP,
         false},
        {[] { throw CException(); }, "No error message is available.", MB_ICONSTOP, false},
        {[] { throw 42; }, "No error message is available.", MB_ICONSTOP, false},
        {[] { AfxThrowUserException(); }, nullptr, 0, false},
    };
    for (const auto& c : cases) {
        CExceptionReport kept;
        try {
            c.raise();
        } catch (...) {
            kept = CExceptionReport::OfCurrentException();
        }
        MessageBoxWatcher boxes;
        kept.Show();
        if (!c.text) {
            EXPECT_EQ(boxes.Count(), 0) << "a user exception has been told already";
            continue;
        }
        ASSERT_EQ(boxes.Count(), 1) << c.text;
        EXPECT_EQ(boxes.Last().text, c.text);
        EXPECT_EQ(boxes.Last().icon, c.icon) << c.text;
        EXPECT_EQ(boxes.Last().systemModal, c.systemModal) << c.text;
    }
}

TEST(Application, TitleComesFromTheStringTableAndNamesTheRegistryKey) {
    EXPECT_STREQ(AfxGetAppName(), "Framework Test");
    EXPECT_EQ(AfxGetApp(), &theTestApp);
    theTestApp.SetRegistryKey("Company");
    EXPECT_STREQ(theTestApp.m_pszRegistryKey, "Company");
    EXPECT_STREQ(theTestApp.m_pszProfileName, "Framework Test");
}

}  // namespace
