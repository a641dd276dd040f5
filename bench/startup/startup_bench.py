#!/usr/bin/python3
"""Start-up time and peak memory of Quennarix beside its peers (not a test).

Usage: bench/startup/startup_bench.py [--on x11,sway,weston,mutter,kwin] [--wayland] [--rounds N]
                               [--also "LABEL=COMMAND ..." ...] [--hung-portal]
(after `make build`). --also adds a command to the same run, for example an
older build of ours; --wayland stands for --on sway,weston. --hung-portal runs
on X11 as GNOME's X11 session, with the desktop portal, and runs each program
again on a second session bus whose portal takes its name and never answers.

Each program is started inside a D-Bus session bus, as on a desktop. On x11 (the
default) it runs on a virtual X server, and bench/startup/map_timer.cpp measures
from exec to the X server mapping its first window. On a headless compositor,
which logs the requests it receives (WAYLAND_DEBUG=server), the time is from
exec to the first wl_surface.attach: the program's own, or on XWayland the X
server's for the program's window. On sway and Weston the programs are told to
use Wayland; on GNOME's Mutter and Plasma's KWin they start as those sessions
start them, with XWayland at hand. Each reports peak resident memory. The
programs take turns round by round so that a slow moment of the machine hits
them all alike; the places are measured one after the other.
"""
import argparse
import atexit
import os
import pathlib
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "bench"))
from measured import header  # noqa: E402
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
    if "x11" in places(parse_arguments()):
        command = [str(ROOT / "harness" / "with_xvfb.sh"), "1024x768x24", *command]
    os.execvp(command[0], command)


def with_hung_portal(programs):
    """Each program in GNOME's X11 session with the desktop portal, and again on a
    bus of its own whose portal never answers; both through env, alike."""
    os.environ.update(XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_TYPE="x11")
    # The portal, started by the bus, finds its GTK backend by the desktop's name.
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus",
                    "--object-path", "/org/freedesktop/DBus", "--method",
                    "org.freedesktop.DBus.UpdateActivationEnvironment",
                    "{'XDG_CURRENT_DESKTOP': 'GNOME'}"], check=True, capture_output=True)
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    hung = bus.stdout.readline().strip()
    portal = subprocess.Popen([sys.executable, str(pathlib.Path(__file__).with_name("hung_portal.py"))],
                              env={**os.environ, "DBUS_SESSION_BUS_ADDRESS": hung})
    atexit.register(lambda: (portal.kill(), bus.kill()))
    owned = ["gdbus", "call", "--address", hung, "--dest", "org.freedesktop.DBus", "--object-path",
             "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.NameHasOwner",
             "org.freedesktop.portal.Desktop"]
    while "true" not in subprocess.run(owned, capture_output=True, text=True).stdout:
        time.sleep(0.05)
    real = os.environ["DBUS_SESSION_BUS_ADDRESS"]
    return [variant for label, command in programs for variant in (
        (label, ["env", f"DBUS_SESSION_BUS_ADDRESS={real}", *command]),
        (f"{label}, hung portal", ["env", f"DBUS_SESSION_BUS_ADDRESS={hung}", *command]))]


def measure(command):
    result = subprocess.run([str(BUILD / "bench" / "map_timer"), SETTLE_MS, *command],
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"{command[0]}: {result.stderr.strip()}")
    out = result.stdout.split()
    return float(out[0]), int(out[1]) / 1024


def realtime_us():
    return time.clock_gettime_ns(time.CLOCK_REALTIME) // 1000


# libwayland 1.21 names objects wl_surface@13, 1.23 wl_surface#13. It stamps its
# debug lines with CLOCK_REALTIME: up to 1.23 in microseconds cut to 32 bits and
# written as milliseconds ([ 3521093.123]), in 1.26 as the local time of day
# ([09:29:46.930153]).
FIRST_ATTACH = re.compile(r"\[\s*(?:(?P<ms>\d+)\.(?P<us>\d{3})|(?P<h>\d\d):(?P<m>\d\d):(?P<s>\d\d)\.(?P<day_us>\d{6}))\]"
                          r" wl_surface[@#]\d+\.attach\(wl_buffer[@#]")


def attached_after(found, started):
    """Milliseconds from `started` (realtime_us) to the stamp of a FIRST_ATTACH match."""
    if found["ms"]:
        stamp, wrap = int(found["ms"]) * 1000 + int(found["us"]), 2**32
    else:
        stamp = ((int(found["h"]) * 60 + int(found["m"])) * 60 + int(found["s"])) * 10**6
        stamp, wrap = stamp + int(found["day_us"]), 86400 * 10**6
        started += time.localtime(started / 10**6).tm_gmtoff * 10**6
    return ((stamp - started) % wrap) / 1000


def measure_on_wayland(command, env, log):
    """Milliseconds from exec to the first buffer the compositor is given, and peak RSS in MB."""
    offset = log.stat().st_size
    started = realtime_us()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 20
    attached = None
    while attached is None and time.monotonic() < deadline:
        with open(log, errors="replace") as lines:
            lines.seek(offset)
            attached = FIRST_ATTACH.search(lines.read())
        time.sleep(0.005)
    return end(program, command, attached and attached_after(attached, started))


def end(program, command, shown):
    """The start in ms and the peak RSS in MB, once the program has drawn and been ended."""
    if shown is None:
        program.kill()
        sys.exit(f"{command[0]}: nothing shown within 20 s")
    time.sleep(int(SETTLE_MS) / 1000)
    program.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(program.pid, 0)
    return shown, usage.ru_maxrss / 1024


def measure_on_desktop(command, env, log):
    """Milliseconds from exec to the program's first buffer or, where it runs on the
    desktop's XWayland, to its window being mapped there; and peak RSS in MB."""
    from Xlib import X, display
    os.environ["XAUTHORITY"] = env.get("XAUTHORITY", "")
    connection = display.Display(env["DISPLAY"])
    connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()
    offset = log.stat().st_size
    started = time.monotonic()
    program = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    stamp_started = realtime_us()
    shown = None
    while shown is None and time.monotonic() < started + 20:
        while shown is None and connection.pending_events():
            event = connection.next_event()
            if event.type == X.MapNotify and not event.override:
                shown = (time.monotonic() - started) * 1000
        with open(log, errors="replace") as lines:
            lines.seek(offset)
            attached = FIRST_ATTACH.search(lines.read())
        if shown is None and attached:
            shown = attached_after(attached, stamp_started)
        time.sleep(0.002)
    connection.close()
    measured = end(program, command, shown)
    time.sleep(0.3)  # the closed window's last frames, before the next program
    return measured


def run_on_compositor(name, programs, rounds):
    sys.path.insert(0, str(ROOT / "harness"))
    from compositors import COMPOSITORS
    with tempfile.TemporaryDirectory() as folder:
        os.chmod(folder, 0o700)
        log = pathlib.Path(folder) / "requests.log"
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        with open(log, "w") as sink:
            server = COMPOSITORS[name](folder, {**env, "WAYLAND_DEBUG": "server"}, log=sink)
        try:
            deadline = time.monotonic() + 10
            while not server.socket.exists() and time.monotonic() < deadline:
                time.sleep(0.05)
            if hasattr(server, "session"):  # a desktop's: as its session starts programs
                while server.session is None and time.monotonic() < deadline:
                    time.sleep(0.05)
                env.update(server.session)
                log = getattr(server, "log", log)
            else:
                env.update(QT_QPA_PLATFORM="wayland", GDK_BACKEND="wayland")
            env.update(XDG_RUNTIME_DIR=folder, WAYLAND_DISPLAY=str(server.socket))
            measure_one = measure_on_desktop if "DISPLAY" in env else measure_on_wayland
            return interleave([(f"{name}, {label}", command) for label, command in programs],
                              rounds, lambda command: measure_one(command, env, log))
        finally:
            server.stop()


def run_on_x11(programs, rounds):
    return interleave([(f"x11, {label}", command) for label, command in programs], rounds,
                      measure)


def parse_arguments():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=20)
    parser.add_argument("--on", default="x11", help="where: x11, sway, weston, mutter, kwin")
    parser.add_argument("--wayland", action="store_true", help="on sway and Weston")
    parser.add_argument("--also", action="append", default=[], metavar="LABEL=COMMAND")
    parser.add_argument("--hung-portal", action="store_true",
                        help="on X11 as GNOME's, with the real portal and a hung one")
    return parser.parse_args()


def places(args):
    return ["sway", "weston"] if args.wayland else args.on.split(",")


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
    args = parse_arguments()
    programs = list(PROGRAMS)
    for extra in args.also:
        label, program = extra.split("=", 1)
        programs.insert(1, (label, program.split()))

    subprocess.run([str(ROOT / "scripts" / "install-deps.sh"), "desktop", "--", "galculator", "x11-apps"],
                   check=True)
    if args.hung_portal:
        programs = with_hung_portal(programs)
    results = {}
    for place in places(args):
        if place == "x11":
            results.update(run_on_x11(programs, args.rounds))
        else:  # xcalc is X only
            results.update(run_on_compositor(place, [p for p in programs if p[0] != "xcalc"],
                                             args.rounds))

    print(f"{header()}; {args.rounds} rounds, interleaved")
    print(f"{'program':<36} {'median start ms':>15} {'spread (min-max)':>17} {'ratio to ours':>13} "
          f"{'peak RSS MB':>11}")
    ours = None
    for name, (times, memory) in results.items():
        if name.endswith(", quennarix"):
            ours = statistics.median(times)
        median = statistics.median(times)
        spread = f"{min(times):.1f}-{max(times):.1f}"
        print(f"{name:<36} {median:>15.1f} {spread:>17} {median / ours:>13.2f} "
              f"{statistics.median(memory):>11.1f}")


if __name__ == "__main__":
    main()
