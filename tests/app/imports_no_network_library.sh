#!/usr/bin/env bash
# "No update check, nothing sent": no program of the release imports a library that could reach
# the network (winsock, WinINet, WinHTTP, URL monikers), nor names one anywhere in its bytes, as a
# delay-loaded import or a LoadLibrary call would (objdump lists neither among the imports).
#   imports_no_network_library.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift
network='(ws2_32|wsock32|mswsock|wininet|winhttp|urlmon)(\.dll)?'
for program in "$@"; do
    imports=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$imports" ] || { echo "no imports read from $program"; exit 1; }
    found=$(echo "$imports" | grep -i -x -E "$network" || true)
    named=$({ strings -a "$program"; strings -a -el "$program"; } | grep -i -o -w -E "$network" || true)
    if [ -n "$found$named" ]; then
        echo "$program imports a network library: $(echo $found $named)"
        exit 1
    fi
    echo "$program: $(echo "$imports" | tr '\n' ' ')"
done
