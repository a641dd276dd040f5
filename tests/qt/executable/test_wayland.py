#!/usr/bin/python3
"""The real program as a native Wayland client, on a headless Weston.

Usage: dbus-run-session -- test_wayland.py PATH/TO/quennarix
No X input reaches Wayland, so the program is driven through the accessibility
bus: box text set through the editable-text interface, buttons pressed through
their action. Weston's protocol log shows what the window asked of the compositor.
"""
import os
import pathlib
import signal
import subprocess
import sys
import tempfile
import unittest

import pyatspi

from accessibility import accessible, labels_and_buttons, text_of, wait_for

PROGRAM = None
SOCKET = "quennarix-test"


class OnWeston(unittest.TestCase):
    """One program started once; the steps run in the order of their names."""

    @classmethod
    def setUpClass(cls):
        cls.runtime_dir = tempfile.TemporaryDirectory()
        os.chmod(cls.runtime_dir.name, 0o700)
        runtime = pathlib.Path(cls.runtime_dir.name)
        cls.protocol_log = runtime / "weston.log"
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
        env["XDG_RUNTIME_DIR"] = str(runtime)
        cls.weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}", "--idle-time=0",
             "--logger-scopes=proto", f"--log={cls.protocol_log}"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: (runtime / SOCKET).exists(), "Weston's socket")

        env.update(WAYLAND_DISPLAY=SOCKET, QT_QPA_PLATFORM="wayland",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        pyatspi.Registry.getDesktop(0)  # brings the accessibility bus up before the program
        cls.program = subprocess.Popen([PROGRAM], env=env)
        wait_for(lambda: accessible("push button", "Convert hex to time"), "the window")

    @classmethod
    def tearDownClass(cls):
        if cls.program.poll() is None:
            cls.program.kill()
            cls.program.wait()
        cls.weston.terminate()
        cls.weston.wait()
        cls.runtime_dir.cleanup()

    def convert(self, source, text, button, target):
        accessible("text", source).queryEditableText().setTextContents(text)
        accessible("push button", button).queryAction().doAction(0)
        return wait_for(lambda: text_of(accessible("text", target)) or None, f"an answer in {target}")

    def test_1_window_names_its_desktop_entry(self):
        wait_for(lambda: 'set_app_id("org.quennarix.Quennarix")' in self.protocol_log.read_text(),
                 "the app id in Weston's protocol log")

    def test_2_hex_to_time(self):
        self.assertEqual(self.convert("Hex", "5A", "Convert hex to time", "Time (XX:XX)"), "01:30")

    def test_3_time_to_hex(self):
        accessible("text", "Hex").queryEditableText().setTextContents("")
        self.assertEqual(self.convert("Time (XX:XX)", "1:75", "Convert time to hex", "Hex"), "0087")

    def test_4_empty_hex_box_gets_a_message(self):
        accessible("text", "Hex").queryEditableText().setTextContents("")
        accessible("push button", "Convert hex to time").queryAction().doAction(0)
        alert = wait_for(lambda: accessible("alert", "quennarix"), "the message box")
        labels, buttons = labels_and_buttons(alert)
        self.assertEqual(labels, ["Please enter hex value"])
        self.assertEqual([button.name for button in buttons], ["OK"])
        buttons[0].queryAction().doAction(0)
        wait_for(lambda: accessible("alert", "quennarix") is None, "the message box to close")
        self.assertEqual(text_of(accessible("text", "Time (XX:XX)")), "1:75")

    def test_5_ending_the_session_ends_the_program_cleanly(self):
        self.program.send_signal(signal.SIGTERM)
        self.assertEqual(self.program.wait(timeout=10), 0)


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2, warnings="ignore")  # pyatspi's deprecations on Debian 12
