#pragma once

#include <vector>

#include "conformance_case.h"

// All 65,536 MaskBlt codes, one case a foreground code ("rop4.fore=E2") with one call a row for
// each background code and brush: a 24-bit destination of black and white, 8 pixels wide, whose
// columns are the mask M of an 8 x 1 monochrome bitmap laid out as F0 and S and D as CC and AA,
// and whose rows take turns with P black and P white. The 16 pixels of a background code's two
// rows are the 16 rows of the quaternary truth table.
std::vector<ConformanceCase> Rop4Cases();
