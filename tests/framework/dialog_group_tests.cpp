#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "afxwin.h"
#include "test_dialog.h"
#include "ui_test.h"

namespace {

constexpr UINT kGroupMessage = WM_APP + 7;

// One of two groups of the same kind, sharing one map, each taking only its own button.
class CButtonGroup : public CDialogGroup {
public:
    CButtonGroup(CWnd& window, UINT own) : CDialogGroup(window), m_own(own) {}
    int m_clicks = 0;
    int m_messages = 0;

protected:
    AfxMsgHandler FindHandler(UINT nMessage, UINT nCode, UINT nID) override {
        if (nMessage == WM_COMMAND && nID != m_own) return {};
        return CDialogGroup::FindHandler(nMessage, nCode, nID);
    }
    void OnClick(UINT) { ++m_clicks; }
    LRESULT OnGroupMessage(WPARAM, LPARAM) { return ++m_messages; }
    DECLARE_MESSAGE_MAP()

private:
    UINT m_own;
};

BEGIN_MESSAGE_MAP(CButtonGroup, CDialogGroup)
ON_CONTROL_RANGE(BN_CLICKED, IDC_TEST_BUTTON, IDC_TEST_APP_COMMAND, &CButtonGroup::OnClick)
ON_MESSAGE(kGroupMessage, &CButtonGroup::OnGroupMessage)
END_MESSAGE_MAP()

class CGroupedDlg : public CDialog {
public:
    CGroupedDlg() : CDialog(IDD_TEST_DIALOG) {}
    CButtonGroup m_first{*this, IDC_TEST_BUTTON};
    CButtonGroup m_second{*this, IDC_TEST_APP_COMMAND};
    int m_ownClicks = 0;

protected:
    void OnOwnClick() { ++m_ownClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CGroupedDlg, CDialog)
CHAIN_MSG_MAP_MEMBER(m_first)
CHAIN_MSG_MAP_MEMBER(m_second)
ON_BN_CLICKED(IDC_TEST_BUTTON, &CGroupedDlg::OnOwnClick)
ON_BN_CLICKED(IDC_TEST_CHECK, &CGroupedDlg::OnOwnClick)
END_MESSAGE_MAP()

TEST(DialogGroups, ChainedGroupsAreTriedFirstEachTakingItsOwnAndTheRestGoesOn) {
    CGroupedDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    const struct {
        int id;
        int first, second, own;
    } clicks[] = {
        {IDC_TEST_BUTTON, 1, 0, 0},       // the first group's, before the dialog's own entry
        {IDC_TEST_APP_COMMAND, 1, 1, 0},  // in the first group's range, but the second's own
        {IDC_TEST_CHECK, 1, 1, 1},        // no group's: on to the dialog's map
    };
    for (const auto& click : clicks) {
        ClickButton(dlg.m_hWnd, click.id);
        EXPECT_EQ(dlg.m_first.m_clicks, click.first) << click.id;
        EXPECT_EQ(dlg.m_second.m_clicks, click.second) << click.id;
        EXPECT_EQ(dlg.m_ownClicks, click.own) << click.id;
    }
    EXPECT_EQ(dlg.SendMessage(kGroupMessage), 1) << "window messages reach a group too";
    EXPECT_EQ(dlg.m_first.m_messages, 1);
}

// A control whose messages go through a map of its own before its own procedure.
class CNoXEdit : public CWnd {
protected:
    LRESULT OnChar(WPARAM wParam, LPARAM) {
        if (wParam != 'x') Default();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoXEdit, CWnd)
ON_MESSAGE(WM_CHAR, &CNoXEdit::OnChar)
END_MESSAGE_MAP()

TEST(SubclassedControl, TakesWhatItsMapHandlesAndLeavesTheRestToTheControl) {
    CNoXEdit edit;
    {
        CDialog dlg(IDD_TEST_DIALOG);
        ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
        ASSERT_TRUE(edit.SubclassDlgItem(IDC_TEST_EDIT, &dlg));
        for (const char c : {'a', 'x', 'b'}) edit.SendMessage(WM_CHAR, c);
        EXPECT_EQ(std::string(edit.GetWindowText()), "ab");
    }
    EXPECT_EQ(edit.m_hWnd, nullptr) << "let go when the control went";
}

// Handlers that build on the system's answer: a control's own procedure, or the dialog manager's.
class CTabEdit : public CWnd {
protected:
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return Default() | DLGC_WANTTAB; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTabEdit, CWnd)
ON_MESSAGE(WM_GETDLGCODE, &CTabEdit::OnGetDlgCode)
END_MESSAGE_MAP()

class CCountingTextDlg : public CDialog {
public:
    CCountingTextDlg() : CDialog(IDD_TEST_DIALOG) {}
    int m_settings = 0;

protected:
    LRESULT OnSetText(WPARAM, LPARAM) {
        ++m_settings;
        return Default();
    }
    LRESULT OnGetTextLength(WPARAM, LPARAM) { return Default() + 100; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingTextDlg, CDialog)
ON_MESSAGE(WM_SETTEXT, &CCountingTextDlg::OnSetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CCountingTextDlg::OnGetTextLength)
END_MESSAGE_MAP()

TEST(DefaultAnswer, IsRunOnceAndWhatTheHandlerReturnsIsTheWindowsAnswer) {
    CTabEdit edit;
    CCountingTextDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_TEST_EDIT, &dlg));
    const auto code = static_cast<UINT>(edit.SendMessage(WM_GETDLGCODE));
    EXPECT_EQ(code & (DLGC_WANTTAB | DLGC_HASSETSEL | DLGC_WANTCHARS),
              UINT(DLGC_WANTTAB | DLGC_HASSETSEL | DLGC_WANTCHARS))
        << "the edit's own flags, with the handler's added: " << code;

    EXPECT_EQ(dlg.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Caption")), TRUE);
    EXPECT_EQ(dlg.m_settings, 1) << "the dialog manager's handling does not come back";
    EXPECT_EQ(dlg.SendMessage(WM_GETTEXTLENGTH), 107) << "Caption's 7 and the handler's 100";
    dlg.DestroyWindow();
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// What Windows does when a move carries a window onto a monitor of another scale: it grows the
// window from the corner it was placed at (Wine has one scale, so the dialog does it itself).
class CGrowingDlg : public CDialog {
public:
    CGrowingDlg() : CDialog(IDD_TEST_DIALOG) {}

protected:
    LRESULT OnMove(WPARAM, LPARAM) {
        if (m_grown) return 0;
        m_grown = true;
        const RECT rect = WindowRect(m_hWnd);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, (rect.right - rect.left) * 3 / 2,
                       (rect.bottom - rect.top) * 3 / 2, SWP_NOMOVE | SWP_NOZORDER);
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    bool m_grown = false;
};

BEGIN_MESSAGE_MAP(CGrowingDlg, CDialog)
ON_MESSAGE(WM_MOVE, &CGrowingDlg::OnMove)
END_MESSAGE_MAP()

TEST(CenterWindow, CentresAgainAtTheSizeAMoveGaveAndStaysInsideTheWorkArea) {
    CGrowingDlg grown;
    ASSERT_TRUE(grown.Create(IDD_TEST_DIALOG));
    const RECT before = WindowRect(grown.m_hWnd);
    grown.CenterWindow();
    const RECT after = WindowRect(grown.m_hWnd), area = WorkArea(grown.m_hWnd);
    ASSERT_GT(after.right - after.left, before.right - before.left) << "the move grew it";
    EXPECT_LE(std::abs((after.left + after.right) - (area.left + area.right)), 1);
    EXPECT_LE(std::abs((after.top + after.bottom) - (area.top + area.bottom)), 1);

    // Centred over an owner near the corner of the screen, it would reach past the edges.
    CDialog owner(IDD_TEST_DIALOG), dialog(IDD_TEST_DIALOG);
    ASSERT_TRUE(owner.Create(IDD_TEST_DIALOG) && dialog.Create(IDD_TEST_DIALOG));
    ::ShowWindow(owner.m_hWnd, SW_SHOWNOACTIVATE);
    for (const bool bottomRight : {true, false}) {
        const RECT ownerRect = WindowRect(owner.m_hWnd);
        const int x = bottomRight ? area.right - (ownerRect.right - ownerRect.left) / 3
                                  : area.left - (ownerRect.right - ownerRect.left) * 2 / 3;
        const int y = bottomRight ? area.bottom - (ownerRect.bottom - ownerRect.top) / 3
                                  : area.top - (ownerRect.bottom - ownerRect.top) * 2 / 3;
        ::SetWindowPos(owner.m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        dialog.CenterWindow(&owner);
        EXPECT_TRUE(Inside(WindowRect(dialog.m_hWnd), area)) << bottomRight;
    }
}

}  // namespace
