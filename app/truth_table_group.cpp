#include "truth_table_group.h"

#include "hex_exchange.h"
#include "rop_code.h"
#include "rop_truth_table.h"

BEGIN_MESSAGE_MAP(CTruthTableGroup, CDialogGroup)
ON_CONTROL_RANGE(BN_CLICKED, IDC_RESULT_ROW1, IDC_RESULT_ROW8, &CTruthTableGroup::OnResultClicked)
ON_EN_CHANGE(IDC_HEX, &CTruthTableGroup::OnHexChanged)
ON_BN_CLICKED(IDC_SRCCOPY, &CTruthTableGroup::OnSrcCopy)
END_MESSAGE_MAP()

void CTruthTableGroup::SetUp() {
    for (int row = 1; row <= 8; ++row) {
        const RopTruthTable::Operands operands = RopTruthTable::RowOperands(row);
        ::CheckDlgButton(Window(), IDC_PATTERN_ROW1 + row - 1, operands.pattern);
        ::CheckDlgButton(Window(), IDC_SOURCE_ROW1 + row - 1, operands.source);
        ::CheckDlgButton(Window(), IDC_DEST_ROW1 + row - 1, operands.destination);
    }
}

void CTruthTableGroup::ExchangeCode(CDataExchange* pDX, DWORD& dwRop) {
    DDX_Hex(pDX, IDC_HEX, dwRop);
    DDV_MinMaxHex(pDX, dwRop, kRopCodeMin, kRopCodeMax);
}

std::uint8_t CTruthTableGroup::ResultIndex() const {
    RopTruthTable::Results results{};
    for (int row = 1; row <= 8; ++row)
        results[row - 1] = ::IsDlgButtonChecked(Window(), IDC_RESULT_ROW1 + row - 1) == BST_CHECKED;
    return RopTruthTable::IndexFromResults(results);
}

void CTruthTableGroup::ShowIndex(std::uint8_t index) {
    const RopTruthTable::Results wanted = RopTruthTable::ResultsFromIndex(index);
    for (int row = 8; row >= 1; --row) {
        const int id = IDC_RESULT_ROW1 + row - 1;
        const bool checked = ::IsDlgButtonChecked(Window(), id) == BST_CHECKED;
        if (checked != wanted[row - 1])
            ::CheckDlgButton(Window(), id, wanted[row - 1] ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CTruthTableGroup::OnResultClicked(UINT) {
    if (!HexHasFocus()) Window().PostMessage(WM_COMMAND, ID_SYNC_FROM_TABLE, 0);
}

// A load rewrites the field too; only the user's typing, with the focus there, is a new code.
void CTruthTableGroup::OnHexChanged() {
    if (HexHasFocus()) Window().PostMessage(WM_COMMAND, ID_SYNC_FROM_HEX, 0);
}

void CTruthTableGroup::OnSrcCopy() { GiveWindowCode(Window(), kSrcCopy); }
