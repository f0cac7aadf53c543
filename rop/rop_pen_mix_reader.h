#pragma once

#include <string_view>

#include "rop_reader.h"

struct RopPenMixReading {
    RopInputKind kind = RopInputKind::Auto;  // Code for a number, else as the Field kind reads it
    RopParseResult result;                   // index: the mix's ternary twin
    int mix = 0;                             // 1 to 16 when the reading succeeded
};

// A pen mix as SetROP2 takes it: a decimal code 1 to 16, an R2_ name, a ternary GDI name of an
// operation that ignores S (PATINVERT is R2_XORPEN), or an expression or RPN over P, D, 0 and 1.
// Anything else reads as the window's Expression field reads it; an S anywhere is refused, as a
// pen mix has no source.
RopPenMixReading ReadRopPenMix(std::string_view text);
