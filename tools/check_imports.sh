#!/bin/sh
# Fails when a Windows program imports a system function or DLL that Windows 7 lacks:
# such a program would not even start there. Functions newer than Windows 7 that the
# code might reach for are looked up at run time (GetProcAddress), never imported.
# Usage: check_imports.sh <objdump> <program.exe>
objdump=$1
program=$2
newer='GetDpiForWindow|GetDpiForSystem|GetDpiForMonitor|GetSystemMetricsForDpi|AdjustWindowRectExForDpi|SystemParametersInfoForDpi|EnableNonClientDpiScaling|SetThreadDpiAwarenessContext|GetThreadDpiAwarenessContext|SetProcessDpiAwarenessContext|SetProcessDpiAwareness|GetProcessDpiAwareness|GetSystemTimePreciseAsFileTime|CreateFile2|WaitOnAddress|WakeByAddressSingle|WakeByAddressAll|GetCurrentThreadStackLimits|SetThreadDescription|GetThreadDescription|CopyFile2|PathCchCombine|PathCchAppend|SetDefaultDllDirectories|AddDllDirectory|GetPackageFullName|RoInitialize'
newerDlls='shcore\.dll|api-ms-win-[a-z0-9-]*\.dll|ext-ms-win-[a-z0-9-]*\.dll|dcomp\.dll|d3d12\.dll|windows\.ui\.dll'
imports=$("$objdump" -p "$program") || { echo "check_imports: cannot read $program" >&2; exit 2; }
found=$(printf '%s\n' "$imports" | awk '
    /DLL Name:/ { print "dll " tolower($3) }
    /^\t[0-9a-f]+\t *[0-9]+ +[A-Za-z_]/ { print "fn " $3 }' |
    grep -E "^(fn ($newer)|dll ($newerDlls))\$")
if [ -n "$found" ]; then
    echo "$program imports what Windows 7 does not have:" >&2
    printf '%s\n' "$found" | sed 's/^fn /  function /; s/^dll /  DLL /' >&2
    exit 1
fi
exit 0
