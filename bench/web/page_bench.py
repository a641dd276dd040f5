#!/usr/bin/python3
"""The web page's size and its time from navigation until it takes input, in
headless Chromium, beside a plain HTML page with the same controls and no
WebAssembly (not a test).

Usage: bench/web/page_bench.py PAGE [--rounds N]   (PAGE: after `make build`,
build/release/web-page/web/quennarix-VERSION.html)
Both pages are opened from disk, taking turns; each marks the moment its
controls stand (window.quennarixReady, from performance.now(), whose zero is
the navigation's start).
"""
import argparse
import gzip
import pathlib
import statistics
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path[:0] = [str(ROOT / "tests" / "shared"), str(ROOT / "tests" / "web"), str(ROOT / "bench")]
from measured import header  # noqa: E402
from expected_layout import LAYOUT  # noqa: E402
from test_page import chromium  # noqa: E402

TAGS = {"label": "div", "box": "input", "button": "button"}


def plain_page():
    controls = []
    for name, row in LAYOUT.items():
        if name == "Form1":
            continue
        tag = TAGS[row["kind"]]
        style = (f"position:absolute;left:{row['left']}px;top:{row['top']}px;"
                 f"width:{row['width']}px;height:{row['height']}px")
        inner = "" if tag == "input" else f"{row['caption']}</{tag}>"
        controls.append(f'<{tag} id="{name}" style="{style}">{inner}')
    return ("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>Quennarix"
            "</title></head><body><div style=\"position:relative\">" + "".join(controls) +
            "</div><script>window.quennarixReady = performance.now()</script></body></html>")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("page", type=pathlib.Path)
    parser.add_argument("--rounds", type=int, default=30)
    args = parser.parse_args()
    folder = pathlib.Path(tempfile.mkdtemp())
    plain = folder / "plain.html"
    plain.write_text(plain_page())
    pages = {"quennarix page": args.page.resolve(), "plain HTML page": plain}
    browser = chromium()
    times = {name: [] for name in pages}
    try:
        for round_ in range(args.rounds + 1):  # the first warms the caches
            for name, page in pages.items():
                browser.get(page.as_uri())
                ready = browser.execute_script("return window.quennarixReady")
                if round_:
                    times[name].append(ready)
    finally:
        browser.quit()
    print(f"{header()}; {args.rounds} rounds, interleaved")
    for name, page in pages.items():
        data = page.read_bytes()
        print(f"{name:<16} {len(data):>7} bytes, {len(gzip.compress(data, mtime=0)):>6} gzipped; "
              f"ready after {statistics.median(times[name]):.1f} ms median "
              f"({min(times[name]):.1f}-{max(times[name]):.1f})")


if __name__ == "__main__":
    main()
