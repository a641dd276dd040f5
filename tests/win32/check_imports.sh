#!/usr/bin/env bash
# The .exe must run from where it is copied: it may import Windows' own DLLs only.
set -euo pipefail
exe=$1
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|ole32|OLEACC|msvcrt|ADVAPI32|api-ms-win-crt-[a-z0-9-]+)\.dll$'
failures=0
while read -r dll; do
    if [[ $dll =~ $allowed ]]; then echo "ok: $dll"; else echo "NOT A SYSTEM DLL: $dll"; failures=$((failures + 1)); fi
done < <(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
echo "size: $(stat -c %s "$exe") bytes"
((failures == 0))
