#!/usr/bin/env bash
# velmar.exe must run from a bare copy: every DLL it imports is one that Windows itself ships.
set -euo pipefail
exe=$1
objdump=${2:-x86_64-w64-mingw32-objdump}
system='^(ADVAPI32|COMCTL32|GDI32|KERNEL32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+|SHELL32|USER32|VERSION|ole32)\.dll$'
imports=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
echo "$imports"
foreign=$(echo "$imports" | grep -v -i -E "$system" || true)
if [ -n "$foreign" ]; then
    echo "imports that are not system DLLs: $foreign"
    exit 1
fi
