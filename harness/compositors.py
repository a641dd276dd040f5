"""Headless Wayland compositors for the program to run on: Weston, which leaves
a window's frame to the program, and sway, which draws it itself; and the
desktops' own, GNOME's Mutter and KDE Plasma's KWin, each with XWayland, whose
`session` gives the variables the desktop's session gives its programs."""
import json
import os
import pathlib
import re
import shutil
import subprocess
import tempfile

NOBODY = 65534


class Weston:
    draws_frames = False

    def __init__(self, folder, env, log=subprocess.DEVNULL):
        """Runs in `folder`, which is also the programs' XDG_RUNTIME_DIR."""
        self.socket = pathlib.Path(folder) / "wayland-weston"
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={self.socket.name}",
             "--idle-time=0"],
            env={**env, "XDG_RUNTIME_DIR": str(folder)}, stdout=subprocess.DEVNULL, stderr=log)

    def stop(self):
        self.process.terminate()
        self.process.wait()


class Sway:
    """sway refuses to run as root, so root runs it as nobody, in a folder of nobody's."""
    draws_frames = True

    def __init__(self, folder, env, log=subprocess.DEVNULL):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="quennarix-sway-"))
        self.as_nobody = []
        if os.geteuid() == 0:
            os.chown(self.folder, NOBODY, NOBODY)
            self.as_nobody = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups"]
        passed = [f"{name}={env[name]}" for name in ("WAYLAND_DEBUG",) if name in env]
        self.process = subprocess.Popen(
            self.as_nobody + ["env", "-i", f"PATH={os.environ['PATH']}", f"HOME={self.folder}",
                              f"XDG_RUNTIME_DIR={self.folder}", "WLR_BACKENDS=headless",
                              "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1", *passed,
                              "sway", "--config", "/dev/null"],
            cwd="/", stdout=subprocess.DEVNULL, stderr=log)

    @property
    def socket(self):
        """sway names its socket itself."""
        return next((path for path in self.folder.glob("wayland-*") if path.is_socket()),
                    self.folder / "wayland-?")

    def stop(self):
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.folder)

    def tree(self):
        ipc = next(self.folder.glob("sway-ipc.*.sock"))
        return json.loads(subprocess.run(
            self.as_nobody + ["swaymsg", "--socket", str(ipc), "--type", "get_tree", "--raw"],
            check=True, capture_output=True, text=True).stdout)


class Mutter:
    """GNOME's compositor, which draws no frame for a Wayland window but does for
    an X11 one, through the XWayland it starts."""
    draws_frames = False

    def __init__(self, folder, env, log=subprocess.DEVNULL):
        self.folder = pathlib.Path(folder)
        self.socket = self.folder / "wayland-mutter"
        self.log = self.folder / "mutter.log"
        with open(self.log, "w") as sink:
            self.process = subprocess.Popen(
                ["mutter", "--headless", "--wayland", "--virtual-monitor", "1024x768",
                 "--wayland-display", self.socket.name],
                env={**env, "XDG_RUNTIME_DIR": str(folder), "XDG_SESSION_TYPE": "wayland",
                     "XDG_CURRENT_DESKTOP": "GNOME"},
                stdout=subprocess.DEVNULL, stderr=sink)

    @property
    def session(self):
        """GNOME's: DISPLAY as Mutter logs it, and the authority file it writes."""
        found = re.search(r"Using public X11 display (:\d+)", self.log.read_text(errors="replace"))
        authority = next(self.folder.glob(".mutter-Xwaylandauth.*"), None)
        if not found or authority is None:
            return None
        return {"XDG_SESSION_TYPE": "wayland", "XDG_CURRENT_DESKTOP": "GNOME",
                "DISPLAY": found[1], "XAUTHORITY": str(authority)}

    def stop(self):
        self.process.terminate()
        self.process.wait()


class KWin:
    """Plasma's compositor, which draws the frames, in Breeze, the style Plasma
    installs (without a style KWin 6 leaves them to the program). Debian's kwin_wayland carries
    the file capability CAP_SYS_RESOURCE, which a machine's bounding set may
    lack, so a copy without it runs, still named kwin_wayland, as KWin's
    platform checks. It starts a session script, as Plasma does, which writes
    the variables KWin gives its programs."""
    draws_frames = True

    def __init__(self, folder, env, log=subprocess.DEVNULL):
        self.folder = pathlib.Path(folder)
        self.socket = self.folder / "wayland-kwin"
        program = self.program = self.folder / "bin" / "kwin_wayland"
        program.parent.mkdir()
        shutil.copy(shutil.which("kwin_wayland"), program)
        self.written = self.folder / "session.env"
        script = self.folder / "session.sh"
        script.write_text("#!/bin/sh\n"
                          f"env > '{self.written}.part' && mv '{self.written}.part' '{self.written}'\n"
                          "exec sleep 100000\n")
        script.chmod(0o755)
        self.process = subprocess.Popen(
            [str(program), "--virtual", "--xwayland", "--socket", self.socket.name,
             "--exit-with-session", str(script)],
            env={**env, "XDG_RUNTIME_DIR": str(folder), "XDG_SESSION_TYPE": "wayland",
                 "XDG_CURRENT_DESKTOP": "KDE"},
            stdout=subprocess.DEVNULL, stderr=log)

    @property
    def session(self):
        if not self.written.exists():
            return None
        given = dict(line.split("=", 1) for line in self.written.read_text().splitlines()
                     if "=" in line)
        version = re.search(r"\d+", subprocess.run([self.program, "--version"], text=True,
                                                   capture_output=True).stdout)
        session = {"XDG_SESSION_TYPE": "wayland", "XDG_CURRENT_DESKTOP": "KDE",
                   "KDE_FULL_SESSION": "true", "KDE_SESSION_VERSION": version[0],
                   "DISPLAY": given.get("DISPLAY", "")}
        if given.get("XAUTHORITY"):
            session["XAUTHORITY"] = given["XAUTHORITY"]
        return session

    def stop(self):
        self.process.terminate()
        self.process.wait()


COMPOSITORS = {"weston": Weston, "sway": Sway, "mutter": Mutter, "kwin": KWin}
