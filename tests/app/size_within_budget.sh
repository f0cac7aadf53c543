#!/usr/bin/env bash
# velmar.exe is meant to stay small enough to mail and keep on a desktop: a feature that pulls in
# a large piece of the C++ runtime shows here first.
set -euo pipefail
exe=$1
budget=$2
size=$(stat -c %s "$exe")
echo "$exe: $size bytes (budget $budget)"
[ "$size" -le "$budget" ]
