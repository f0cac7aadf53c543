#pragma once

#include "afxwin.h"

// Data exchange of a hexadecimal ROP-code field: "0x" and upper-case digits on load; on commit
// the field's reading is stored even when it is rejected, then the failure is reported.
void DDX_Hex(CDataExchange* pDX, int nIDC, DWORD& value);
// Range check of a hexadecimal value, in both directions.
void DDV_MinMaxHex(CDataExchange* pDX, DWORD value, DWORD minimum, DWORD maximum);
