#!/usr/bin/env bash
# The standard set of velmar-conform under Wine fails on exactly the cases that
# wine-differences.txt names, and its recording, compared by the native velmar-rop, gives the
# same report byte for byte.
#   wine_differences_test.sh VELMAR_CONFORM_EXE WINE_DIFFERENCES_TXT NATIVE_VELMAR_ROP WINE_EXEC
set -uo pipefail
conform=$1 list=$2 rop=$3 wine_exec=$4
if [ ! -x "$rop" ]; then
    echo "no native velmar-rop at $rop (build the native preset first)"
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
faults=0

# Each listed case once, with a reason.
grep -v -e '^#' -e '^$' "$list" >"$work/listed.lines"
if awk 'NF < 2 { exit 1 }' "$work/listed.lines"; then :; else
    echo "wine-differences.txt: a line without a reason"
    faults=$((faults + 1))
fi
cut -d' ' -f1 "$work/listed.lines" | sort >"$work/listed"
if [ -n "$(uniq -d "$work/listed")" ]; then
    echo "wine-differences.txt names these twice: $(uniq -d "$work/listed" | tr '\n' ' ')"
    faults=$((faults + 1))
fi

start=$(date +%s%N)
"$wine_exec" "$conform" --cases standard --record "$work/recording" >"$work/wine.out" 2>"$work/wine.err"
wine_status=$?
seconds=$((($(date +%s%N) - start) / 1000000))
echo "the standard set under Wine: $(tail -1 "$work/wine.out"), in $seconds ms (with Wine's start)"
if [ "$wine_status" -gt 1 ]; then
    echo "velmar-conform ended with status $wine_status:"
    cat "$work/wine.err"
    exit 1
fi
sed -n 's/^FAIL \([^:]*\):.*/\1/p' "$work/wine.out" | sort >"$work/failed"
new=$(comm -13 "$work/listed" "$work/failed")
mended=$(comm -23 "$work/listed" "$work/failed")
if [ -n "$new" ]; then
    echo "Wine differs on cases wine-differences.txt does not name:"
    for name in $new; do
        awk -v head="FAIL $name:" 'index($0, head) == 1 { shown = 1; print; next }
            shown && /^  / { print; next } { shown = 0 }' "$work/wine.out"
    done
    faults=$((faults + 1))
fi
if [ -n "$mended" ]; then
    echo "cases wine-differences.txt names that pass under Wine now:"
    echo "$mended"
    faults=$((faults + 1))
fi

"$rop" --compare "$work/recording" >"$work/native.out" 2>"$work/native.err"
native_status=$?
if [ "$native_status" != "$wine_status" ] || ! cmp -s "$work/wine.out" "$work/native.out"; then
    echo "velmar-rop --compare of the recording (status $native_status) differs from the run" \
        "under Wine (status $wine_status):"
    diff "$work/wine.out" "$work/native.out" | head -20
    cat "$work/native.err"
    faults=$((faults + 1))
fi
[ "$faults" -eq 0 ] && echo "$(wc -l <"$work/failed") differences, as listed; the recording compares the same"
[ "$faults" -eq 0 ]
