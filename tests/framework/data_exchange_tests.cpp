#include <gtest/gtest.h>

#include "afxwin.h"
#include "framework_test_app.h"
#include "message_box_watcher.h"
#include "test_dialog.h"
#include "ui_test.h"

namespace {

// A dialog whose edit field must hold a number: the shape of every validated field.
class CNumberDlg : public CDialog {
public:
    CNumberDlg() : CDialog(IDD_TEST_DIALOG) {}
    CString m_text = "12";
    int m_checked = 1;
    CEdit m_edit;
    int m_exchanges = 0;

    void DoDataExchange(CDataExchange* pDX) override {
        ++m_exchanges;
        DDX_Control(pDX, IDC_TEST_EDIT, m_edit);
        DDX_Check(pDX, IDC_TEST_CHECK, m_checked);
        DDX_Text(pDX, IDC_TEST_EDIT, m_text);
        if (pDX->m_bSaveAndValidate && m_text.GetLength() > 0 &&
            std::string(m_text).find_first_not_of("0123456789") != std::string::npos) {
            AfxMessageBox(AFX_IDP_PARSE_INT);
            pDX->Fail();
        }
    }
};

TEST(DataExchange, LoadShowsMembersAndCommitReadsThemBack) {
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    EXPECT_EQ(dlg.m_exchanges, 1) << "the first load runs in OnInitDialog";
    EXPECT_EQ(WindowText(::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT)), "12");
    EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_TEST_CHECK), BST_CHECKED);
    EXPECT_EQ(dlg.m_edit.m_hWnd, ::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT));

    ::SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "345");
    ::CheckDlgButton(dlg.m_hWnd, IDC_TEST_CHECK, BST_UNCHECKED);
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ(dlg.m_text, "345");
    EXPECT_EQ(dlg.m_checked, 0);
}

TEST(DataExchange, FailedCommitShowsTheMessageAndSelectsTheWholeField) {
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    ::ShowWindow(dlg.m_hWnd, SW_SHOW);
    ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDC_TEST_CHECK));
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "12ab");

    MessageBoxWatcher boxes;
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(boxes.Count(), 1);
    EXPECT_EQ(boxes.Last().text, "Please enter an integer.");
    EXPECT_EQ(boxes.Last().icon, static_cast<UINT>(MB_ICONEXCLAMATION));

    HWND edit = ::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT);
    EXPECT_EQ(::GetFocus(), edit);
    DWORD start = 0, end = 0;
    ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
}

TEST(DataExchange, FailedLoadLeavesTheFocusWhereItWas) {
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    ::ShowWindow(dlg.m_hWnd, SW_SHOW);
    HWND check = ::GetDlgItem(dlg.m_hWnd, IDC_TEST_CHECK);
    ::SetFocus(check);

    CDataExchange dx(&dlg, FALSE);
    dx.PrepareEditCtrl(IDC_TEST_EDIT);
    EXPECT_THROW(dx.Fail(), CUserException);
    EXPECT_EQ(::GetFocus(), check);
}

TEST(DataExchange, OkCommitsAndEndsOnlyWhenTheCommitSucceeds) {
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    ::ShowWindow(dlg.m_hWnd, SW_SHOW);
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "x");
    {
        MessageBoxWatcher boxes;
        ClickButton(dlg.m_hWnd, IDOK);
        EXPECT_EQ(boxes.Count(), 1);
    }
    EXPECT_TRUE(::IsWindowVisible(dlg.m_hWnd)) << "a failed commit keeps the dialog open";
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "7");
    ClickButton(dlg.m_hWnd, IDOK);
    EXPECT_STREQ(dlg.m_text, "7");
    EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
}

TEST(DataExchange, CancelEndsWithoutAnExchange) {
    CNumberDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG));
    const int exchanges = dlg.m_exchanges;
    ::SetDlgItemTextA(dlg.m_hWnd, IDC_TEST_EDIT, "not a number");
    MessageBoxWatcher boxes;
    ClickButton(dlg.m_hWnd, IDCANCEL);
    EXPECT_EQ(dlg.m_exchanges, exchanges);
    EXPECT_EQ(boxes.Count(), 0);
    EXPECT_STREQ(dlg.m_text, "12");
}

TEST(MessageTexts, RangeMessageInsertsBothBounds) {
    CString text;
    AfxFormatString2(text, AFX_IDP_PARSE_INT_RANGE, "0", "ffffff");
    EXPECT_STREQ(text, "Please enter an integer between 0 and ffffff.");
}

}  // namespace
