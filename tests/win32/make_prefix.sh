#!/usr/bin/env bash
# Makes a fresh Wine prefix at DPI dots per inch for the Windows tests.
# usage: make_prefix.sh PREFIX DPI
set -euo pipefail
prefix=$1
dpi=$2
rm -rf "$prefix"
mkdir -p "$prefix"
"$(dirname "$0")/under_wine.sh" "$prefix" bash -c "
    set -e
    wine wineboot --init
    # Without a window manager Wine waits 2 s for each hidden window unless it
    # manages its windows itself.
    wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f
    wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f
    wineserver -w
"
