#!/usr/bin/env bash
# Times velmar-rop as a user meets it: a whole process per call, output thrown away.
# Usage: bench/velmar-rop-bench.sh [PROGRAM] [RUNS]   (default: build/native/velmar-rop, 200)
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$repo/build/native/velmar-rop}
runs=${2:-200}

measure() {
    local label=$1
    shift
    "$program" "$@" >/dev/null  # once untimed, so the file cache is warm
    local start end
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do "$program" "$@" >/dev/null; done
    end=$(date +%s%N)
    awk -v label="$label" -v ns=$((end - start)) -v runs="$runs" \
        'BEGIN { printf "%-28s %8.2f ms per run (%d runs)\n", label, ns / runs / 1e6, runs }'
}

echo "$program"
measure "--table --json" --table --json
measure "--table" --table
measure "one query (--expr)" --expr "(P & S) | (D & ~S)"
measure "one query (--json --code)" --json --code 0x00E20746
measure "--help (process start only)" --help
