#!/usr/bin/env bash
# Times velmar-rop as a user meets it: a whole process per call, output thrown away.
# Usage: bench/velmar-rop-bench.sh [PROGRAM] [RUNS] [EARLIER]
#   (default: build/native/velmar-rop, 200). EARLIER is the velmar-rop of an earlier commit: then
#   --table --json of both is also timed in the same run, in alternating rounds, and the ratio of
#   their medians printed.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$repo/build/native/velmar-rop}
runs=${2:-200}
earlier=${3:-}

# Milliseconds per run of COUNT runs of PROGRAM with the arguments after them.
per_run() {
    local prog=$1 count=$2
    shift 2
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < count; i++)); do "$prog" "$@" >/dev/null; done
    end=$(date +%s%N)
    awk -v ns=$((end - start)) -v count="$count" 'BEGIN { printf "%.3f\n", ns / count / 1e6 }'
}

measure() {
    local label=$1
    shift
    "$program" "$@" >/dev/null  # once untimed, so the file cache is warm
    printf "%-28s %8.2f ms per run (%d runs)\n" "$label" "$(per_run "$program" "$runs" "$@")" \
        "$runs"
}

median() {
    sort -n | awk '{ v[NR] = $1 }
        END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# Ten rounds, each timing both programs, the first of them alternating, so that a slow spell on a
# shared machine falls on both alike.
compare() {
    local rounds=10 each=$(((runs + 9) / 10)) new=() old=()
    "$program" --table --json >/dev/null
    "$earlier" --table --json >/dev/null
    for ((r = 0; r < rounds; r++)); do
        if ((r % 2 == 0)); then
            new+=("$(per_run "$program" "$each" --table --json)")
            old+=("$(per_run "$earlier" "$each" --table --json)")
        else
            old+=("$(per_run "$earlier" "$each" --table --json)")
            new+=("$(per_run "$program" "$each" --table --json)")
        fi
    done
    local newMedian oldMedian
    newMedian=$(printf "%s\n" "${new[@]}" | median)
    oldMedian=$(printf "%s\n" "${old[@]}" | median)
    echo "--table --json against $earlier ($rounds rounds of $each runs each):"
    printf "  %-26s %8.2f ms per run (median of the rounds)\n" "this build" "$newMedian"
    printf "  %-26s %8.2f ms per run\n" "the earlier build" "$oldMedian"
    awk -v a="$newMedian" -v b="$oldMedian" 'BEGIN { printf "  %-26s %8.2f\n", "ratio", a / b }'
}

echo "$program"
measure "--table --json" --table --json
measure "--table" --table
measure "one query (--expr)" --expr "(P & S) | (D & ~S)"
measure "one query (--json --code)" --json --code 0x00E20746
measure "--vectors 1000 (one code)" --vectors 1000 0x00E20746
measure "--emit c (all 256)" --emit c
measure "--help (process start only)" --help
if [ -n "$earlier" ]; then compare; fi
