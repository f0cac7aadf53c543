#include "help.h"

std::string_view HelpText() {
    return R"help(velmar-rop: find the ternary raster operation (ROP) code for a BitBlt call,
the pen mix for SetROP2 and the quaternary code for MaskBlt.

Usage:
  velmar-rop [--json] [--port] OPERATION
  velmar-rop [--json] --rows 01000111 | --index E2 | --rpn DSPDxax
             | --expr "(P & S) | (D & ~S)" | --code 0x00E20746
  velmar-rop [--json] [--port] --rop2 MIX
  velmar-rop [--json] --fore OPERATION --back OPERATION
  velmar-rop [--json] --rop4 0xAACC0020
  velmar-rop [--json] --table [--port] [--rop2]
  velmar-rop [--json] --vectors N [--seed S] OPERATION | --table
  velmar-rop --emit c [OPERATION]
  velmar-rop [--json] --render SCENE.json [--out FILE] [--bmp FILE]
  velmar-rop [--json] --compare DIR [--diff DIR]
  velmar-rop --help

Operands: P pattern (brush), S source, D destination. Quote the operation: the shell
would otherwise read &, |, ^, ! and parentheses itself.

Inputs:
  --rows R   the truth table's result column, eight 0/1 digits, row 1 first; row r
             has P, S, D = bits 2, 1, 0 of r - 1 (so rows run 000, 001, ... 111)
  --index X  the operation index, 00 to FF, hexadecimal with or without 0x
  --rpn R    reverse Polish notation as the published table writes it: operands
             P, S, D, 0, 1; operators a (and), o (or), x (xor), n (not)
  --expr E   a C expression over P, S, D, 0, 1 with ~ or ! (not), &, ^, | (C
             precedence) and parentheses
  --code C   a whole ROP code, read as the window's Hex field reads it (0 to ffffff)

Without a flag, text of hexadecimal digits only (after an optional 0x or x) is a
code; a GDI name in any letter case (SRCCOPY, srcpaint, R2_XORPEN) is a name; other
text with an operator symbol or a parenthesis is an expression; a word of mostly
other letters than the RPN symbols is an unknown name; the rest is RPN. So "D" is
the code 0xD, and "--rpn D" the destination. An R2_ name stands for the ternary
operation with the same result (R2_XORPEN is PATINVERT).

Pen mixes and MaskBlt:
  --rop2 MIX  a SetROP2 pen mix: a code 1 to 16 (decimal), an R2_ name, a GDI name
              of an operation without S (PATINVERT), or an expression or RPN over
              P, D, 0, 1; a lone number is always a code, so 1 is R2_BLACK
  --fore F --back B
              the MaskBlt code MAKEROP4(F, B): F applies where the mask bit is 1,
              B where it is 0; each is any OPERATION as above, so a lone D is
              a code here too: "keep the destination" is 0x00AA0029 or "(D)"
  --rop4 C    a MaskBlt code, 8 hexadecimal digits at most, taken apart

Output: the index, the full code and the window's form of it, the published RPN,
the GDI name if there is one, a shortest C expression and the truth table; for a
pen mix its code, name and ternary twin; for MaskBlt the code, its C form, both
halves and the 16-row truth table over mask M, P, S, D.
--json prints the same as one JSON object; --table prints all 256 operations, or
with --rop2 all 16 pen mixes. A code whose low word differs from the published one
gets a warning: GDI decides by the index alone.

Porting: --port adds what the operation is in today's graphics APIs: the drawn
colour (S or P, the other one unused), the logic op of OpenGL, Vulkan, Direct3D 12
and Qt (none for a code that reads both P and S), the operation as an expression
over unsigned p, s, d for GLSL, HLSL, MSL and WGSL, and the limit that applies.
For a pen mix the pen is the drawn colour. Then the blitters and X11: the X11 GC
function, the Amiga blitter's minterm (and BltBitMap's), the PC-98 EGC's ROP byte,
the 8514/A and S3 mix and an Atari BLiTTER pass (HOP and OP), each where the code
has one. --table --port lists all 256 ports. JSON always has them, as the object
"port".

For emulator writers:
  --vectors N  N test vectors (1 to 1000000) of 32-bit P, S, D and the result,
               one a line: P 0x... S 0x... D 0x... -> 0x...; the first is always
               P 0xF0F0F0F0 S 0xCCCCCCCC D 0xAAAAAAAA, whose result repeats the
               index in every byte. --table gives every code's, after its index;
               --json adds them to the report as "vectors".
  --seed S     the seed of the vectors (splitmix64), decimal or 0x and hex;
               the default is 0
  --emit c     all 256 codes as C99 functions rop3_00 ... rop3_FF on uint32_t
               and rop3(index, p, s, d) over them; with an operation, its one
               function. Needs only <stdint.h>.

Blits, as GDI draws them:
  --render S   plays the scene file S (docs/scenes.md): its bitmaps, each in a
               DC of its own, and its steps (set, patblt, bitblt, maskblt) on a
               model of what Windows GDI does on every bitmap format; prints each
               step's return value and "sha1" and the SHA-1 of the target's bytes
               as they lie in memory (--json: one object with "steps", "sha1",
               "width", "height" and "bpp")
  --out F      writes those bytes to F
  --bmp F      writes the target to F as a .bmp file
A scene that does not read is a bad command line: the message names the place
of the fault (steps[3].rop), and nothing is drawn or written.
  --compare D  checks a recording that velmar-conform --record D made on a real
               GDI (Windows, Wine, an emulated guest) against the model, with
               velmar-conform's report: "PASS name" or "FAIL name: 936 of 4096
               pixels differ" and the first differing pixels, then "N passed, M
               failed" (--json: the report as JSON); exit status 1 when any
               case differs, 2 when the recording's manifest does not read
  --diff D     writes, for each failing case, the model's and the recorded
               target and a picture of where they differ, as .bmp files

Exit status: 0 success, 1 bad operation (or a file that could not be
written), 2 bad command line.

Examples:
  velmar-rop --rows 01000111            the operation with that result column
  velmar-rop "(P & S) | (D & ~S)"       pattern where the source is set: 0xE2
  velmar-rop DSPDxax                    the same, from the published RPN
  velmar-rop --index 88                 SRCAND
  velmar-rop 0x00CC0020                 SRCCOPY, from its code
  velmar-rop srcpaint                   a GDI name
  velmar-rop --rop2 "P ^ D"             the XOR pen: R2_XORPEN
  velmar-rop --fore SRCCOPY --back 0x00AA0029
                                        a transparent sprite's MaskBlt code
  velmar-rop --rop4 0xAACC0020          the same code taken apart
  velmar-rop --port SRCINVERT           glLogicOp(GL_XOR), VK_LOGIC_OP_XOR, ...
  velmar-rop --json --expr "S & D"      machine-readable
  velmar-rop --table --json > rops.json all 256
  velmar-rop --vectors 1000 DSPDxax     test vectors for an emulator
  velmar-rop --emit c > rop3.h          every code as C
)help";
}
