#!/usr/bin/env bash
# Renders quennarix.exe under Wine to docs/screenshot-windows.png (after `make windows`).
# It types "01:30" into the time box, tabs to ">" and presses Space.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix=$root/build/windows/wine/prefix-96
[[ -f $prefix/system.reg ]] || "$root/harness/make_wine_prefix.sh" "$prefix" 96

"$root/harness/under_wine.sh" "$prefix" bash -c '
    set -euo pipefail
    wine "$1" &
    window=$("$3" Quennarix 20)
    sleep 1
    xdotool type --delay 50 "01:30"
    xdotool key --delay 100 Tab Tab Tab space
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    /usr/bin/python3 -c "
import os, sys
from PIL import ImageGrab
x, y, w, h = map(int, sys.argv[1:5])
ImageGrab.grab(bbox=(x, y, x + w, y + h), xdisplay=os.environ[\"DISPLAY\"]).save(sys.argv[5])
" "$X" "$Y" "$WIDTH" "$HEIGHT" "$2"
    echo "wrote $2"
' screenshot "$root/build/windows/win32/quennarix.exe" "$root/docs/screenshot-windows.png" \
    "$root/harness/find_window.sh"
