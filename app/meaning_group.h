#pragma once

#include <cstdint>

#include "afxwin.h"

// The "Meaning" area: what the code the result column shows means (its published RPN, GDI name,
// a shortest C expression and the operands it uses), the Expression field with Set, and Copy
// with the form it copies in. Its status line says what went wrong with Set or Copy, nothing else.
class CMeaningGroup : public CDialogGroup {
public:
    explicit CMeaningGroup(CWnd& window) : CDialogGroup(window) {}

    void AttachControls(CDataExchange* pDX) override;
    // The forms Copy offers; the list keeps its choice for the run.
    void SetUp() override;
    // Rewrites the fields only when the operation is another than the one shown.
    void ShowIndex(std::uint8_t index);

protected:
    void OnSet();
    void OnExpressionEdited();
    void OnExpressionFocus();
    void OnExpressionFocusLost();
    void OnCopy();
    DECLARE_MESSAGE_MAP()

private:
    CStatusLine m_status;
    int m_nShownIndex = -1;  // -1 before the first
};
