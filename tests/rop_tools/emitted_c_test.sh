#!/usr/bin/env bash
# The C that velmar-rop --emit c writes, compiled by the host C compiler as strict C99 with every
# warning an error, and run on velmar-rop's vectors for all 256 codes (emitted_c_checker.c).
# Usage: emitted_c_test.sh VELMAR_ROP C_COMPILER CHECKER_SOURCE; exits 77 without a compiler.
set -euo pipefail
program=$1 compiler=${2:-} checker=$3
[ -n "$compiler" ] || { echo "no host C compiler: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
flags=(-std=c99 -pedantic -Wall -Wextra -Werror)

"$program" --emit c > "$work/rop3.h"
"$program" --table --vectors 64 --seed 0x5EED > "$work/vectors.txt"
"$compiler" "${flags[@]}" -O1 -I"$work" -o "$work/checker" "$checker"
"$work/checker" < "$work/vectors.txt"

# One code alone is a header of its own, as strict.
"$program" --emit c DSPDxax > "$work/rop3_e2.h"
"$compiler" "${flags[@]}" -fsyntax-only -x c "$work/rop3_e2.h"
