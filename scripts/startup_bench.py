#!/usr/bin/python3
"""Start-up time and peak memory of Quennarix beside its peers (not a test).

Usage: scripts/startup_bench.py [--rounds N] [--also LABEL=PROGRAM ...]   (after `make build`)
--also adds a program to the same run, for example an older build of ours.

Each program is started on a virtual X server inside a D-Bus session bus, as on
a desktop; bench/startup/map_timer.cpp measures from exec to the X server
mapping its first window and reports peak resident memory. The programs take
turns round by round so that a slow moment of the machine hits them all alike.
"""
import argparse
import os
import pathlib
import statistics
import subprocess
import sys

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
    if os.environ.get("QUENNARIX_BENCH_BUS") == "1":
        return
    os.environ["QUENNARIX_BENCH_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, __file__, *sys.argv[1:]])


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as number:
        os.environ["DISPLAY"] = ":" + number.readline().strip()
    os.environ.pop("QT_QPA_PLATFORM", None)
    os.environ.pop("WAYLAND_DISPLAY", None)
    return xvfb


def measure(command):
    result = subprocess.run([str(BUILD / "bench" / "map_timer"), SETTLE_MS, *command],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{command[0]}: {result.stderr.strip()}")
    out = result.stdout.split()
    return float(out[0]), int(out[1]) / 1024


def main():
    in_session_bus()
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=20)
    parser.add_argument("--also", action="append", default=[], metavar="LABEL=PROGRAM")
    args = parser.parse_args()
    for extra in args.also:
        label, program = extra.split("=", 1)
        PROGRAMS.insert(1, (label, [program]))

    subprocess.run([str(ROOT / "scripts" / "install-deps.sh"), "galculator", "x11-apps"], check=True)
    xvfb = start_xvfb()
    try:
        for _, command in PROGRAMS:  # warm the page cache
            measure(command)
        times = {name: [] for name, _ in PROGRAMS}
        memory = {name: [] for name, _ in PROGRAMS}
        for _ in range(args.rounds):
            for name, command in PROGRAMS:
                ms, mb = measure(command)
                times[name].append(ms)
                memory[name].append(mb)
    finally:
        xvfb.terminate()
        xvfb.wait()

    ours = statistics.median(times["quennarix"])
    print(f"{args.rounds} rounds, interleaved; {os.cpu_count()} cores")
    print(f"{'program':<18} {'median start ms':>15} {'spread (min-max)':>17} {'ratio to ours':>13} "
          f"{'peak RSS MB':>11}")
    for name, _ in PROGRAMS:
        median = statistics.median(times[name])
        spread = f"{min(times[name]):.1f}-{max(times[name]):.1f}"
        print(f"{name:<18} {median:>15.1f} {spread:>17} {median / ours:>13.2f} "
              f"{statistics.median(memory[name]):>11.1f}")


if __name__ == "__main__":
    main()
