#!/usr/bin/env bash
# "No update check, nothing sent": no program of the release imports a library that could reach
# the network (winsock, WinINet, WinHTTP, URL monikers), directly or delay-loaded.
#   imports_no_network_library.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
network='^(ws2_32|wsock32|mswsock|wininet|winhttp|urlmon)\.dll$'
for program in "$@"; do
    imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$imports" ] || { echo "no imports read from $program"; exit 1; }
    found=$(echo "$imports" | grep -i -E "$network" || true)
    if [ -n "$found" ]; then
        echo "$program imports a network library: $found"
        exit 1
    fi
    echo "$program: $(echo "$imports" | tr '\n' ' ')"
done
