#!/usr/bin/env bash
# Makes a fresh Wine prefix at DPI dots per inch for the Windows tests, with
# Wine set to WINDOWS (win10 unless given: winecfg -v names the choices).
# usage: make_wine_prefix.sh PREFIX DPI [WINDOWS]
set -euo pipefail
prefix=$1
dpi=$2
windows=${3:-win10}
rm -rf "$prefix"
mkdir -p "$prefix"
"$(dirname "$0")/under_wine.sh" "$prefix" bash -c "
    set -e
    wine wineboot --init
    # Without a window manager Wine waits 2 s for each hidden window unless it
    # manages its windows itself.
    wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f
    wine reg add 'HKCU\\Control Panel\\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f
    wine winecfg -v $windows
    wineserver -w
"
# Wine's own faces, Marlett among them: without it a title bar's buttons show
# as the letters that stand for their glyphs.
cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/"
