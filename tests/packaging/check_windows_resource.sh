#!/usr/bin/env bash
# Compiles the generated Windows resource with MinGW's windres, decompiles the
# result and checks the version block and icon that Windows will read.
set -euo pipefail
rc_file=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

x86_64-w64-mingw32-windres --preprocessor=cpp -i "$rc_file" -O res -o "$work/out.res"
x86_64-w64-mingw32-windres -i "$work/out.res" -O rc -o "$work/out.rc"

failures=0
expect() {
    if grep -qF -- "$1" "$work/out.rc"; then
        echo "ok: $1"
    else
        echo "MISSING: $1"
        failures=$((failures + 1))
    fi
}
expect '1 VERSIONINFO'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "040904B0"'
expect 'VALUE "ProductName", "quennarix"'
expect 'VALUE "InternalName", "quennarix"'
expect 'VALUE "OriginalFilename", "quennarix.exe"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "Translation", 0x409, 1200'
expect 'RT_GROUP_ICON'

# The icon group: 32x32 in 2 and 16 colours, 16x16 in 16 colours.
icons=$(grep -c 'RT_ICON \*/' "$work/out.rc" || true)
echo "icon images: $icons"
[[ $icons == 3 ]] || failures=$((failures + 1))

echo "$failures failed"
((failures == 0))
