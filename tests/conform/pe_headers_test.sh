#!/usr/bin/env bash
# Both builds of velmar-conform as Windows loads them: the machine, a console program of
# subsystem version 5.01 (Windows XP), system DLLs only, and for the x86 build, which is for XP
# and 32-bit guests, only KERNEL32 functions that XP has (each in this list was checked against
# its documented minimum version: a new one must be checked before it is added).
#   pe_headers_test.sh X64_EXE X64_OBJDUMP X86_EXE X86_OBJDUMP SYSTEM_DLLS_SCRIPT
set -uo pipefail
x64=$1 x64_objdump=$2 x86=$3 x86_objdump=$4 system_dlls=$5
for exe in "$x64" "$x86"; do
    if [ ! -f "$exe" ]; then
        echo "no build at $exe (build the windows and windows-x86 presets)"
        [ -n "${CI:-}" ] && exit 1
        exit 77
    fi
done
xp_kernel32=" CloseHandle CreateSemaphoreW DeleteCriticalSection EnterCriticalSection FindClose
    FindFirstFileA FindNextFileA FormatMessageA FreeLibrary GetCurrentThreadId GetLastError
    GetModuleHandleA GetModuleHandleW GetProcAddress GetStartupInfoA GetStartupInfoW
    InitializeCriticalSection IsDBCSLeadByteEx LeaveCriticalSection LoadLibraryA LoadLibraryW
    LocalFree MultiByteToWideChar ReleaseSemaphore SetLastError SetUnhandledExceptionFilter Sleep
    TlsAlloc TlsFree TlsGetValue TlsSetValue VirtualProtect VirtualQuery WaitForSingleObject
    WideCharToMultiByte lstrlenW "
faults=0
fail() {
    echo "$1"
    faults=$((faults + 1))
}

check() {  # EXE OBJDUMP FORMAT MAGIC
    local headers
    headers=$("$2" -p "$1")
    grep -q "file format $3\$" <<<"$("$2" -f "$1")" || fail "$1: not $3"
    grep -qE "^Magic\s+$4" <<<"$headers" || fail "$1: no PE magic $4"
    grep -qE '^Subsystem\s+00000003\s+\(Windows CUI\)' <<<"$headers" || fail "$1: not a console program"
    grep -qE '^MajorSubsystemVersion\s+5$' <<<"$headers" || fail "$1: subsystem version is not 5.x"
    grep -qE '^MinorSubsystemVersion\s+1$' <<<"$headers" || fail "$1: subsystem version is not x.01"
    "$system_dlls" "$1" "$2" >/dev/null || fail "$1: imports a DLL that Windows does not ship"
}

check "$x64" "$x64_objdump" pei-x86-64 020b
check "$x86" "$x86_objdump" pei-i386 010b
kernel32=$("$x86_objdump" -p "$x86" | awk '/DLL Name:/ { dll = toupper($3); next }
    /^$/ { dll = "" } dll == "KERNEL32.DLL" && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print $3 }')
[ -n "$kernel32" ] || fail "$x86: no KERNEL32 imports read"
for function in $kernel32; do
    case " $(echo $xp_kernel32) " in *" $function "*) ;; *) fail "$x86 imports $function, which is not on the list of XP's" ;; esac
done
[ "$faults" -eq 0 ] && echo "x64 and x86: console, subsystem 5.01, system DLLs; x86: $(echo $kernel32 | wc -w) KERNEL32 functions of XP"
[ "$faults" -eq 0 ]
