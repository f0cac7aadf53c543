#include "conform_help.h"

std::string_view ConformHelpText() {
    return R"help(velmar-conform: plays conformance cases (scenes of PatBlt, BitBlt and MaskBlt
calls) on the GDI it runs on and compares every byte and every return value with
Velmar's model of what Windows GDI does.

Usage:
  velmar-conform [--cases quick|standard|full | --scenes DIR] [--record DIR]
                 [--json FILE] [--diff DIR]
  velmar-conform --list [--cases quick|standard|full | --scenes DIR]
  velmar-conform --help

  --cases SET   the cases built in: quick (a few of each kind), standard (the
                default: every bitmap format and brush kind, all 256 codes on each
                format, every conversion, the colour kinds, MaskBlt with brushes,
                masks and offsets, and the calls GDI refuses), or full (the
                standard set and all 65,536 MaskBlt codes)
  --scenes DIR  the scene files DIR/*.json instead, each a case named by its file
  --record DIR  writes a recording as well: each case's scene (name.json) and the
                bytes this GDI made (name.bin), and recording.json with the Windows
                version, Wine's where it runs, this program's version and each
                case's SHA-1 and return values. Check it anywhere, Linux too, with
                velmar-rop --compare DIR
  --json FILE   writes the report as JSON as well
  --diff DIR    writes, for each failing case, name.expected.bmp (the model's),
                name.got.bmp (this GDI's) and name.difference.bmp (white where a
                pixel differs)
  --list        names the cases, one a line, and plays none

The report: a line a case, "PASS name" or "FAIL name: 936 of 4096 pixels differ",
then for a failure its first eight differing pixels, "at x,y  P p S s D d
expected e  got g" (stored pixel values, with the operands where the case has
them) and every call that returned otherwise than the model, with GetLastError
where it returned FALSE; at the end "N passed, M failed".

Exit status: 0 every case as the model, 1 any differs, 2 bad command line (or a
folder or file that could not be read or written).
)help";
}
