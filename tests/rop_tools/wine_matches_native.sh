#!/usr/bin/env bash
# The Windows build of velmar-rop, run under Wine, must print byte for byte what the native one
# prints (after dropping any \r), with the same exit status.
# Usage: wine_matches_native.sh NATIVE_EXE WINDOWS_EXE WINE_EXEC
# Exits 77 (skipped) when there is no Windows build or no Wine, unless CI or VELMAR_REQUIRE_WINE
# is set: then a missing piece is a failure.
set -u
native=$1
windows=$2
wine_exec=$3

missing=
[ -f "$windows" ] || missing="no Windows build at $windows"
command -v wine >/dev/null 2>&1 || missing="no wine on PATH"
if [ -n "$missing" ]; then
    if [ -n "${CI:-}" ] || [ -n "${VELMAR_REQUIRE_WINE:-}" ]; then
        echo "FAIL: $missing" >&2
        exit 1
    fi
    echo "skipped: $missing"
    exit 77
fi

# One case per entry, its arguments separated by ';'.
cases=(
    "--expr;(P & S) | (D & ~S)"
    "--json;--rpn;DSa"
    "--code;0xE20749"
    "--json;D"
    "--rows;01000111"
    "P & Q"
    "--code;1000000"
    "--bogus"
    "--table"
    "--table;--json"
    "--rop2;R2_XORPEN"
    "--fore;SRCCOPY;--back;0x00AA0029"
    "--json;--rop4;0xAACC1234"
    "srcpaint"
    "--table;--rop2;--json"
    "--port;DSPDxax"
    "--table;--port"
)

# The first start of a new Wine prefix prints its own messages; let them go before comparing.
"$wine_exec" "$windows" --help >/dev/null 2>&1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for case in "${cases[@]}"; do
    IFS=';' read -r -a args <<<"$case"
    "$native" "${args[@]}" >"$work/native.out" 2>"$work/native.err"
    native_status=$?
    "$wine_exec" "$windows" "${args[@]}" >"$work/wine.out" 2>"$work/wine.err"
    wine_status=$?
    tr -d '\r' <"$work/wine.out" >"$work/wine.out.lf"
    tr -d '\r' <"$work/wine.err" >"$work/wine.err.lf"
    if [ "$native_status" != "$wine_status" ] ||
        ! cmp -s "$work/native.out" "$work/wine.out.lf" ||
        ! cmp -s "$work/native.err" "$work/wine.err.lf"; then
        echo "DIFFERENT for: ${args[*]} (status native $native_status, wine $wine_status)"
        diff "$work/native.out" "$work/wine.out.lf" | head -5
        diff "$work/native.err" "$work/wine.err.lf" | head -5
        failures=$((failures + 1))
    fi
    # Binary mode on stdout: no \r may appear at all.
    if [ "$(wc -c <"$work/wine.out")" != "$(wc -c <"$work/wine.out.lf")" ]; then
        echo "CRLF line ends from the Windows build for: ${args[*]}"
        failures=$((failures + 1))
    fi
done
echo "${#cases[@]} inputs compared, $failures different"
[ "$failures" -eq 0 ]
