#!/usr/bin/env bash
# The .exe must run from where it is copied, on Windows 7 SP1 and later: it may
# import Windows' own DLLs only, and none of the DPI functions that came with
# Windows 8.1 and 10, which it has to look up at run time instead.
set -euo pipefail
exe=$1
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|ole32|OLEACC|msvcrt|ADVAPI32|api-ms-win-crt-[a-z0-9-]+)\.dll$'
dpi_era='ForDpi|DpiFor|DpiAwareness|NonClientDpiScaling|PerMonitorDPI'
failures=0
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
while read -r dll; do
    if [[ $dll =~ $allowed ]]; then echo "ok: $dll"; else echo "NOT A SYSTEM DLL: $dll"; failures=$((failures + 1)); fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
# Import lines read "<address> <hint> <name>" under each DLL.
while read -r function; do
    echo "NOT ON WINDOWS 7: $function"
    failures=$((failures + 1))
done < <(awk '/DLL Name:/ { listing = 1 } listing && NF == 3 && $2 ~ /^[0-9]+$/ { print $3 }' <<<"$dump" |
    grep -E "$dpi_era" || true)
field() { awk -v f="$1" '$1 == f { print $2 }' <<<"$dump"; }
for kind in OSystem Subsystem; do
    version="$(field Major${kind}Version).$(field Minor${kind}Version)"
    if [[ $version == 6.1 ]]; then echo "ok: $kind version $version"; else echo "NOT 6.1: $kind version $version"; failures=$((failures + 1)); fi
done
echo "size: $(stat -c %s "$exe") bytes"
((failures == 0))
