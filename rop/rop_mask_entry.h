#pragma once

#include <string_view>

#include "rop_reader.h"

// The window's background-code entry for MaskBlt: what the Expression field reads (an
// expression, RPN or a GDI name), and besides a number written with "0x": with one or two digits
// an index (0xAA, the destination kept), with more a whole code (0x00AA0029), read as the Hex
// field reads one.
RopReading ReadRopMaskBackground(std::string_view text);
