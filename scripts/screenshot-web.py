#!/usr/bin/python3
"""docs/screenshot-web.png: the web page in headless Chromium after converting
01:30 to 005A, as the other screenshots show the window.
usage: scripts/screenshot-web.py PAGE   (after make build)"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "web"))
from test_page import chromium  # noqa: E402

browser = chromium()
try:
    browser.set_window_size(600, 500)
    browser.get(pathlib.Path(sys.argv[1]).resolve().as_uri())
    browser.execute_script("document.getElementById('Text1').value = '01:30';"
                           "document.getElementById('Command2').click()")
    browser.find_element("id", "Form1").screenshot(str(ROOT / "docs" / "screenshot-web.png"))
finally:
    browser.quit()
