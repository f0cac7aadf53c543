#pragma once

#include <windows.h>

#include "cstring.h"

class CWnd;

// One run of a window's DoDataExchange: commit (controls to members, with validation) or load.
// A failed field calls Fail, which ends the run; UpdateData then returns FALSE.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // On commit, puts the focus on the last prepared control (selecting an edit's whole text).
    [[noreturn]] void Fail();

    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A whole number in decimal: on commit the field's text, spaces around it allowed, must be one
// ("Please enter an integer." otherwise); the value is stored only when it is.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// "Please enter an integer between 0 and 7." outside the range, in both directions.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minimum, int maximum);
// A drop-down list's selected index (-1 for none).
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// A text in UTF-16, for what the code page cannot hold.
void DDX_Text(CDataExchange* pDX, int nIDC, CStringW& value);
