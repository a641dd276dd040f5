"""Orca, Debian's screen reader, on the session's accessibility bus. What it
would say is read from its debug log, which it writes out as it ends; no
sound is made, or needed."""
import os
import pathlib
import re
import subprocess
import tempfile
import time

import pyatspi

# One utterance a line: "HH:MM:SS.micro - SPEECH OUTPUT: 'text'{voice}".
_UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'\s*\{")


class Orca:
    def __init__(self, timeout=30.0):
        self.folder = tempfile.TemporaryDirectory(prefix="quennarix-orca-")
        self.log = pathlib.Path(self.folder.name) / "orca.log"
        # speech-dispatcher, which Orca starts, keeps its socket there.
        env = {**os.environ, "XDG_RUNTIME_DIR": self.folder.name}
        self.process = subprocess.Popen(
            ["orca", "--replace", f"--debug-file={self.log}", "-u", self.folder.name],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + timeout
        while not any(app is not None and app.name == "orca"
                      for app in pyatspi.Registry.getDesktop(0)):
            if time.monotonic() > deadline or self.process.poll() is not None:
                raise AssertionError("Orca did not come up on the accessibility bus")
            time.sleep(0.2)

    def stop(self):
        """Ends Orca, once, and returns everything it said, in order."""
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=30)
            self.said = _UTTERANCE.findall(self.log.read_text(errors="replace"))
            self.folder.cleanup()
        return self.said
