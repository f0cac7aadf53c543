#pragma once

#include <cstdint>

#include "afxwin.h"
#include "code_messages.h"
#include "resource.h"

// The truth table with the Hex field and SRCCOPY: two views of the window's code. A click on a
// result box (while Hex has not the focus) or an edit of Hex (while it has) posts the window the
// matching sync command, so the sync runs after the control has finished with its event.
class CTruthTableGroup : public CDialogGroup {
public:
    explicit CTruthTableGroup(CWnd& window) : CDialogGroup(window) {}

    // The pattern, source and destination columns.
    void SetUp() override;
    // The Hex field and its range, both directions: the window's code lives in the window.
    void ExchangeCode(CDataExchange* pDX, DWORD& dwRop);
    // The index the result column shows (row 8 the most significant bit).
    std::uint8_t ResultIndex() const;
    // Sets only the boxes that differ, from row 8 down; setting a box sends no command.
    void ShowIndex(std::uint8_t index);

protected:
    void OnResultClicked(UINT nID);
    void OnHexChanged();
    void OnSrcCopy();
    DECLARE_MESSAGE_MAP()

private:
    bool HexHasFocus() const { return ::GetFocus() == Item(IDC_HEX); }
};
