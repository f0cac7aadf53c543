#!/usr/bin/env bash
# The minimised main window shows the program's icon. On a bare X server a minimised Wine window
# is not drawn at all, so the probe runs in a Wine desktop of its own, where it stays on the
# screen as a caption bar; the probe leaves its verdict in a file.
set -euo pipefail
velmar=$1 probe=$2 wine_exec=$3
result=$(mktemp)
trap 'rm -f "$result"' EXIT
: > "$result"
timeout 60 "$wine_exec" explorer /desktop=VelmarIconTest,640x480 "$probe" "$velmar" "$result" || true
for _ in $(seq 600); do
    [ -s "$result" ] && break
    sleep 0.1
done
# Wine gives every program that desktop's size as the screen's for as long as its server runs;
# the tests that come next must see the whole screen, so the server goes first.
VELMAR_WINE_TOOL=wineserver "$wine_exec" -w
verdict=$(tr -d "\r" < "$result")
echo "minimised window: ${verdict:-no verdict}"
[ "$verdict" = found ]
