#!/usr/bin/env bash
# The .exe must run from where it is copied, on Windows 7 SP1 and later: it may
# import Windows' own DLLs only, and none of the DPI functions that came with
# Windows 8.1 and 10 or UI Automation's notification, which it has to look up at
# run time instead.
set -euo pipefail
exe=$1
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|ole32|OLEACC|OLEAUT32|msvcrt|ADVAPI32|api-ms-win-crt-[a-z0-9-]+)\.dll$'
newer='ForDpi|DpiFor|DpiAwareness|NonClientDpiScaling|PerMonitorDPI|Uia'
source "$(dirname "$0")/../checks.sh"
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
while read -r dll; do
    check "$dll is a system DLL" grep -qE "$allowed" <<<"$dll"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
# Import lines read "<address> <hint> <name>" under each DLL.
newer_imports=$(awk '/DLL Name:/ { listing = 1 } listing && NF == 3 && $2 ~ /^[0-9]+$/ { print $3 }' <<<"$dump" |
    grep -E "$newer" || true)
check "no import newer than Windows 7" equals "$newer_imports" ""
field() { awk -v f="$1" '$1 == f { print $2 }' <<<"$dump"; }
for kind in OSystem Subsystem; do
    version="$(field Major${kind}Version).$(field Minor${kind}Version)"
    check "$kind version 6.1" equals "$version" 6.1
done
echo "size: $(stat -c %s "$exe") bytes"
finish
