#!/usr/bin/python3
"""Renders the window on a virtual X server to docs/screenshot.png.

Usage: harness/with_xvfb.sh 640x480x24 scripts/screenshot.py [PATH/TO/quennarix]
(after `make build`; `make screenshot` runs it so).
It types "01:30" into the time box and presses ">" so both boxes show a value.
"""
import os
import pathlib
import subprocess
import sys
import time

from PIL import ImageGrab

ROOT = pathlib.Path(__file__).resolve().parent.parent
program = sys.argv[1] if len(sys.argv) > 1 else ROOT / "build/release/qt/quennarix"

os.environ.pop("QT_QPA_PLATFORM", None)

app = subprocess.Popen([str(program)])
try:
    window = subprocess.run([ROOT / "harness" / "find_window.sh", "Quennarix", "20"], check=True,
                            capture_output=True, text=True).stdout.strip()
    # Tab from the time box to ">", as the Windows screenshot does.
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "type", "01:30"], check=True)
    subprocess.run(["xdotool", "key", "--delay", "100", "Tab", "Tab", "Tab", "space"], check=True)
    time.sleep(0.5)
    geometry = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", window], check=True, capture_output=True,
        text=True).stdout.split())
    x, y, width, height = (int(geometry[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
    out = ROOT / "docs" / "screenshot.png"
    ImageGrab.grab(bbox=(x, y, x + width, y + height), xdisplay=os.environ["DISPLAY"]).save(out)
    print(f"wrote {out}")
finally:
    app.terminate()
    app.wait()
