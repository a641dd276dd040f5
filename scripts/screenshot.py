#!/usr/bin/python3
"""Renders the window on a virtual X server to docs/screenshot.png.

Usage: tests/with_xvfb.sh 640x480x24 scripts/screenshot.py [PATH/TO/quennarix]
(after `make build`; `make screenshot` runs it so).
It types "01:30" into the time box and clicks ">" so both boxes show a value.
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
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Quennarix$"],
                            check=True, capture_output=True, text=True, timeout=20).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "type", "01:30"], check=True)
    subprocess.run(["xdotool", "mousemove", "--window", window, "276", "184", "click", "1",
                    "mousemove", "--window", window, "460", "10"], check=True)
    time.sleep(0.5)
    out = ROOT / "docs" / "screenshot.png"
    ImageGrab.grab(bbox=(0, 0, 471, 296), xdisplay=os.environ["DISPLAY"]).save(out)
    print(f"wrote {out}")
finally:
    app.terminate()
    app.wait()
