#pragma once

#include <cstdint>

#include "afxwin.h"

// Fills the "Meaning" area's fields for one operation index: the published RPN, the GDI name
// (empty without one), a shortest C expression and the operands it uses with a hint.
void ShowRopMeaning(CWnd& dialog, std::uint8_t index);
