#!/usr/bin/python3
"""What one of the program's start-up settings buys: the program started as
the first client of a fresh headless compositor, as its session starts one,
once as it is and once per variant, each variant setting variables beforehand
(set empty, a variable is the user's, and the program leaves it alone). Prints
the platform Qt started on, the GL libraries mapped and the peak memory (not a
test; after `make build`).

Usage: dbus-run-session -- bench/startup/with_and_without.py weston|sway|mutter|kwin
           "LABEL=NAME=VALUE,..." ...
"""
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path[:0] = [str(ROOT / "harness"), str(ROOT / "bench"), str(ROOT / "tests" / "linux")]
from accessibility import GL  # noqa: E402
from compositors import COMPOSITORS  # noqa: E402
from measured import header  # noqa: E402

PROGRAM = ROOT / "build" / "release" / "qt" / "quennarix"


def first_client(compositor, variables):
    with tempfile.TemporaryDirectory() as folder:
        os.chmod(folder, 0o755)
        running = COMPOSITORS[compositor](folder, dict(os.environ))
        try:
            while (session := getattr(running, "session", {})) is None or not running.socket.exists():
                time.sleep(0.05)
            time.sleep(1)  # XWayland ready
            env = {**os.environ, **session, "XDG_RUNTIME_DIR": str(running.socket.parent),
                   "WAYLAND_DISPLAY": str(running.socket), **variables}
            program = subprocess.Popen([PROGRAM], env=env, stderr=subprocess.DEVNULL)
            time.sleep(3)  # shown and painted
            maps = pathlib.Path(f"/proc/{program.pid}/maps").read_text()
            status = pathlib.Path(f"/proc/{program.pid}/status").read_text()
            program.kill()
            program.wait()
        finally:
            running.stop()
    platform = "X11" if "/libqxcb.so" in maps else "Wayland"
    gl = sorted({re.sub(r"\.so.*", "", path.rsplit("/", 1)[-1]) for path in re.findall(GL, maps)})
    peak = int(re.search(r"VmHWM:\s+(\d+)", status)[1]) / 1024
    return f"on {platform}, GL mapped: {', '.join(gl) or 'none'}, peak RSS {peak:.1f} MB"


def main():
    compositor, variants = sys.argv[1], ["as it is=", *sys.argv[2:]]
    print(f"{header()}; {compositor}, the first client each time")
    for variant in variants:
        label, _, assignments = variant.partition("=")
        variables = dict(pair.split("=", 1) for pair in assignments.split(",") if pair)
        print(f"{label}: {first_client(compositor, variables)}")


if __name__ == "__main__":
    main()
