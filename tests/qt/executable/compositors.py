"""Headless Wayland compositors for the program to run on: Weston, which leaves
a window's frame to the program, and sway, which draws it itself."""
import json
import os
import pathlib
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


COMPOSITORS = {"weston": Weston, "sway": Sway}
