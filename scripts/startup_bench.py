#!/usr/bin/python3
"""Start-up time and peak memory of Quennarix beside its peers (not a test).

Usage: scripts/startup_bench.py [--wayland] [--rounds N] [--also "LABEL=COMMAND ..." ...]
(after `make build`). --also adds a command to the same run, for example an
older build of ours.

Each program is started inside a D-Bus session bus, as on a desktop. On X11 (the
default) it runs on a virtual X server, and bench/startup/map_timer.cpp measures
from exec to the X server mapping its first window. With --wayland it runs on a
headless sway and then a headless Weston, each logging the requests it receives
(WAYLAND_DEBUG=server), and the time is from exec to the program's first
wl_surface.attach. Both report peak resident memory. The programs take turns
round by round so that a slow moment of the machine hits them all alike.
"""
import argparse
import os
import pathlib
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "release"
SETTLE_MS = "300"  # lets a program draw before it is ended, so its peak memory counts

PROGRAMS = [
    ("quennarix", [str(BUILD / "qt" / "quennarix")]),
    ("bare Qt 6 window", [str(BUILD / "bench" / "bare_qt_window")]),
    ("galculator", ["galculator"]),
    ("xcalc", ["xcalc"]),
]


def in_session_bus():
    """Runs the whole benchmark again inside a session bus, and on X11 on a virtual X server."""
    if os.environ.get("QUENNARIX_BENCH_BUS") == "1":
        return
    os.environ["QUENNARIX_BENCH_BUS"] = "1"
    os.environ.pop("QT_QPA_PLATFORM", None)
    command = ["dbus-run-session", "--", sys.executable, __file__, *sys.argv[1:]]
    if "--wayland" not in sys.argv:
        command = [str(ROOT / "tests" / "with_xvfb.sh"), "1024x768x24", *command]
    os.execvp(command[0], command)


def measure(command):
    result = subprocess.run([str(BUILD / "bench" / "map_timer"), SETTLE_MS, *command],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{command[0]}: {result.stderr.strip()}")
    out = result.stdout.split()
    return float(out[0]), int(out[1]) / 1024


def microseconds():
    """The clock libwayland stamps its debug lines with, cut to 32 bits as it does."""
    return (time.clock_gettime_ns(time.CLOCK_REALTIME) // 1000) % 2**32


# libwayland 1.21 names objects wl_surface@13, 1.23 wl_surface#13.
FIRST_ATTACH = re.compile(r"\[\s*(\d+)\.(\d{3})\] wl_surface[@#]\d+\.attach\(wl_buffer[@#]")


def measure_on_wayland(command, env, log):
    """Milliseconds from exec to the first buffer the compositor is given, and peak RSS in MB."""
    offset = log.stat().st_size
    started = microseconds()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    attached = None
    while attached is None and time.monotonic() < deadline:
        with open(log, errors="replace") as lines:
            lines.seek(offset)
            attached = FIRST_ATTACH.search(lines.read())
        time.sleep(0.005)
    if attached is None:
        program.kill()
        sys.exit(f"{command[0]}: no buffer within 20 s")
    time.sleep(int(SETTLE_MS) / 1000)
    program.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(program.pid, 0)
    stamp = int(attached[1]) * 1000 + int(attached[2])
    return ((stamp - started) % 2**32) / 1000, usage.ru_maxrss / 1024


def run_on_wayland(programs, rounds):
    sys.path.insert(0, str(ROOT / "tests" / "qt" / "executable"))
    from compositors import Sway, Weston
    results = {}
    for compositor in (Sway, Weston):
        with tempfile.TemporaryDirectory() as folder:
            os.chmod(folder, 0o700)
            log = pathlib.Path(folder) / "requests.log"
            env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
            with open(log, "w") as sink:
                server = compositor(folder, {**env, "WAYLAND_DEBUG": "server"}, log=sink)
            try:
                deadline = time.monotonic() + 10
                while not server.socket.exists() and time.monotonic() < deadline:
                    time.sleep(0.05)
                env.update(XDG_RUNTIME_DIR=folder, WAYLAND_DISPLAY=str(server.socket),
                           QT_QPA_PLATFORM="wayland", GDK_BACKEND="wayland")
                name = f"{compositor.__name__.lower()}, "
                results.update(interleave([(name + label, command) for label, command in programs],
                                          rounds, lambda command: measure_on_wayland(command, env, log)))
            finally:
                server.stop()
    return results


def run_on_x11(programs, rounds):
    return interleave(programs, rounds, measure)


def interleave(programs, rounds, measure_one):
    for _, command in programs:  # warm the page cache
        measure_one(command)
    results = {name: ([], []) for name, _ in programs}
    for _ in range(rounds):
        for name, command in programs:
            ms, mb = measure_one(command)
            results[name][0].append(ms)
            results[name][1].append(mb)
    return results


def main():
    in_session_bus()
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=20)
    parser.add_argument("--wayland", action="store_true")
    parser.add_argument("--also", action="append", default=[], metavar="LABEL=COMMAND")
    args = parser.parse_args()
    programs = [p for p in PROGRAMS if not (args.wayland and p[0] == "xcalc")]  # xcalc is X only
    for extra in args.also:
        label, program = extra.split("=", 1)
        programs.insert(1, (label, program.split()))

    subprocess.run([str(ROOT / "scripts" / "install-deps.sh"), "test", "--", "galculator", "x11-apps"],
                   check=True)
    results = (run_on_wayland if args.wayland else run_on_x11)(programs, args.rounds)

    print(f"{args.rounds} rounds, interleaved; {os.cpu_count()} cores")
    print(f"{'program':<30} {'median start ms':>15} {'spread (min-max)':>17} {'ratio to ours':>13} "
          f"{'peak RSS MB':>11}")
    ours = None
    for name, (times, memory) in results.items():
        if name.endswith("quennarix"):
            ours = statistics.median(times)
        median = statistics.median(times)
        spread = f"{min(times):.1f}-{max(times):.1f}"
        print(f"{name:<30} {median:>15.1f} {spread:>17} {median / ours:>13.2f} "
              f"{statistics.median(memory):>11.1f}")


if __name__ == "__main__":
    main()
