#!/usr/bin/python3
"""The real program on a real X server (Xvfb), driven with real X input.

Usage: with_xvfb.sh 800x600x24 dbus-run-session -- test_quennarix.py PATH/TO/quennarix
The session bus carries the accessibility bus, through which the boxes are read
and on which Orca, where it is installed, says what a blind user hears.
"""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import pyatspi
from Xlib import X, display, protocol

from accessibility import (BOX, BUTTON, GL, MESSAGE_BOX, accessible, convert, labels_and_buttons,
                           maps, missing, text_of, wait_for)

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path[:0] = [str(ROOT / "harness"), str(ROOT / "tests" / "shared")]
from expected_layout import CLIENT_AREA, centre  # noqa: E402
from screen_reader import Orca  # noqa: E402

PROGRAM = None
# Another architecture's build runs through qemu-user, which CTest names.
EMULATOR = os.environ.get("QUENNARIX_EMULATOR", "").split()


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True,
                          text=True).stdout.strip()


def visible_window_named(name):
    found = subprocess.run([ROOT / "harness" / "find_window.sh", name], capture_output=True,
                           text=True)
    return found.stdout.strip() or None


def client_size(window):
    info = subprocess.run(["xwininfo", "-id", window], check=True, capture_output=True,
                          text=True).stdout
    fields = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(fields["Width"]), int(fields["Height"])


def x_property(window_id, name):
    """The property's value as python-xlib reads it: bytes or a list of numbers; None when unset."""
    connection = display.Display()
    window = connection.create_resource_object("window", int(window_id))
    prop = window.get_full_property(connection.intern_atom(name), X.AnyPropertyType)
    connection.close()
    return prop.value if prop else None


def window_icon_sizes(window_id):
    """The image sizes in the window's _NET_WM_ICON: width, height, then the pixels, repeated."""
    data, sizes = list(x_property(window_id, "_NET_WM_ICON") or []), []
    while len(data) >= 2:
        width, height = data[0], data[1]
        sizes.append((width, height))
        data = data[2 + width * height:]
    return sizes


def send_wm_delete(window_id):
    connection = display.Display()
    window = connection.create_resource_object("window", int(window_id))
    protocols = connection.intern_atom("WM_PROTOCOLS")
    delete = connection.intern_atom("WM_DELETE_WINDOW")
    event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                         data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    # A round trip, not a flush: on a loaded machine an event flushed just
    # before the connection closed was seen never to arrive.
    connection.sync()
    connection.close()


class RunningProgram(unittest.TestCase):
    """One program started once; the steps run in the order of their names."""

    @classmethod
    def setUpClass(cls):
        os.environ.pop("QT_QPA_PLATFORM", None)
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        pyatspi.Registry.getDesktop(0)  # brings the accessibility bus up before the program
        cls.program = subprocess.Popen([*EMULATOR, PROGRAM], stderr=subprocess.PIPE, text=True)
        cls.window = wait_for(lambda: visible_window_named("Quennarix"), "the main window")

    @classmethod
    def tearDownClass(cls):
        if cls.program.poll() is None:
            cls.program.kill()
            cls.program.wait()

    def click(self, control):
        xdotool("mousemove", "--window", self.window, *centre(control), "click", "1")

    def test_1_window_has_its_client_area(self):
        self.assertEqual(client_size(self.window), CLIENT_AREA)

    def test_1_window_carries_the_icon(self):
        sizes = wait_for(lambda: window_icon_sizes(self.window), "the window icon")
        self.assertEqual(sorted(sizes), [(n, n) for n in (16, 24, 32, 48, 64, 128, 256)])

    def test_1_window_names_its_launcher(self):
        # The desktop entry's StartupWMClass matches this.
        self.assertEqual(x_property(self.window, "WM_CLASS"), b"quennarix\0quennarix\0")

    def test_2_focus_starts_in_the_time_box(self):
        xdotool("windowfocus", "--sync", self.window)
        time_box = wait_for(lambda: accessible(BOX, "Time (XX:XX)"), "the time box")
        wait_for(lambda: time_box.getState().contains(pyatspi.STATE_FOCUSED), "focus in the time box")

    def test_3_hex_to_time_by_keyboard_and_mouse(self):
        self.click("Text2")
        xdotool("type", "5A")
        self.click("Command1")
        time_box = accessible(BOX, "Time (XX:XX)")
        wait_for(lambda: text_of(time_box) == "01:30", "01:30 in the time box")
        self.assertEqual(text_of(accessible(BOX, "Hex")), "5A")

    def test_4_empty_hex_box_gets_a_message(self):
        self.click("Text2")
        xdotool("key", "ctrl+a", "BackSpace")
        self.click("Command1")
        box = wait_for(lambda: visible_window_named("quennarix"), "the message box")
        alert = wait_for(lambda: accessible(MESSAGE_BOX, "quennarix"), "the message box's alert")
        labels, buttons = labels_and_buttons(alert)
        self.assertEqual(labels, ["Please enter hex value"])
        self.assertEqual([button.name for button in buttons], ["OK"])
        xdotool("windowfocus", "--sync", box)
        xdotool("key", "Return")
        wait_for(lambda: visible_window_named("quennarix") is None, "the message box to close")
        self.assertEqual(text_of(accessible(BOX, "Time (XX:XX)")), "01:30")

    def test_5_closing_the_window_ends_the_program(self):
        send_wm_delete(self.window)
        self.assertEqual(self.program.wait(timeout=10), 0)


class WithScreenReader(unittest.TestCase):
    """What a blind user hears from Orca, working as such a user does: into the
    hex box, Tab to "<" and Space. With a screen reader listening, Qt waits on
    the bus for each X key, so each key waits for what it does."""

    @classmethod
    def setUpClass(cls):
        if not shutil.which("orca"):
            missing("orca")
        pyatspi.Registry.getDesktop(0)
        cls.orca = Orca()
        cls.addClassCleanup(cls.orca.stop)
        cls.program = subprocess.Popen([*EMULATOR, PROGRAM], stderr=subprocess.DEVNULL)
        cls.addClassCleanup(cls.program.kill)
        xdotool("windowfocus", "--sync", wait_for(lambda: visible_window_named("Quennarix"),
                                                  "the main window"))

    def test_the_window_a_box_a_button_and_an_answer_away_from_the_focus_are_spoken(self):
        focused = pyatspi.STATE_FOCUSED
        hex_box = wait_for(lambda: accessible(BOX, "Hex"), "the hex box")
        hex_box.queryEditableText().setTextContents("5A")
        time.sleep(2)  # Orca, still taking in the new window, passes over a focus change
        hex_box.queryComponent().grabFocus()
        wait_for(lambda: hex_box.getState().contains(focused), "focus in the hex box")
        if EMULATOR:
            # Under emulation Orca, following the slow program from the button,
            # hangs: there the bus presses it and the focus stays in the hex box.
            self.assertEqual(convert("Hex", "5A", "Convert hex to time", "Time (XX:XX)"), "01:30")
        else:
            time.sleep(1)  # a key cuts Orca short: it says the box first
            button = accessible(BUTTON, "Convert hex to time")
            xdotool("key", "Tab")
            wait_for(lambda: button.getState().contains(focused), "focus on <")
            time.sleep(1)
            xdotool("key", "space")
            time_box = accessible(BOX, "Time (XX:XX)")
            self.assertEqual(wait_for(lambda: text_of(time_box), "an answer"), "01:30")
            self.assertTrue(button.getState().contains(focused), "the focus left the button")
        time.sleep(2)  # Orca reads its events in turn; the notification lasts 2 s
        said = [line.rstrip(". ") for line in self.orca.stop()]  # Orca 48 ends fewer with "."
        # Orca 51 says the window's name alone, without its role.
        self.assertTrue({"Quennarix frame", "Quennarix"} & set(said), said)
        self.assertTrue(any(re.search(r"\b5a\b", line, re.IGNORECASE) for line in said), said)
        self.assertTrue(EMULATOR or any("Convert hex to time" in line for line in said), said)
        self.assertTrue(any("01:30" in line for line in said), said)


class InGnomesColours(unittest.TestCase):
    """On GNOME, with the GTK platform theme as Debian's Qt recommends it and
    GNOME's settings in dconf, the window follows the Dark Style switch."""

    @classmethod
    def setUpClass(cls):
        if EMULATOR:
            raise unittest.SkipTest("the GTK platform theme is this architecture's only")
        if not any(pathlib.Path("/usr/lib").glob("*/qt6/plugins/platformthemes/libqgtk3.so")):
            missing("the GTK platform theme (qt6-gtk-platformtheme)")
        if not shutil.which("gsettings"):
            missing("gsettings")

    def shade(self, window):
        """Dark below half brightness (Adwaita-dark's background is #323232), as
        the X server has the window."""
        connection = display.Display()
        pixel = connection.create_resource_object("window", int(window)).get_image(
            3, 3, 1, 1, X.ZPixmap, 0xffffffff).data
        connection.close()
        return "dark" if sum(pixel[:3]) < 3 * 128 else "light"

    def test_the_dark_style_switch(self):
        rows = {"default": ("default", "light"), "dark style": ("prefer-dark", "dark")}
        for name, (scheme, expected) in rows.items():
            with self.subTest(name):
                subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "color-scheme",
                                scheme], check=True)
                env = {k: v for k, v in os.environ.items() if k != "GTK_THEME"}
                program = subprocess.Popen([PROGRAM], env={**env, "XDG_CURRENT_DESKTOP": "GNOME"},
                                           stderr=subprocess.DEVNULL)
                self.addCleanup(program.kill)
                window = wait_for(lambda: visible_window_named("Quennarix"), "the main window")
                wait_for(lambda: self.shade(window) == expected, f"a {expected} window")
                program.terminate()
                program.wait(timeout=10)


class HoweverTheDesktopIsNamed(unittest.TestCase):
    """Each way of naming the desktop or the platform that Qt understands: Qt
    chooses, the program maps no GL, and GIO is mapped only where Qt has
    loaded a platform theme that maps it anyway: GTK's, or Plasma's through KDE
    Frameworks."""

    def test_each_way(self):
        if EMULATOR:
            self.skipTest("qemu-user's memory map is not the program's")
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        session = pathlib.Path(folder.name) / "plasma.desktop"
        session.write_text("[Desktop Entry]\nName=Plasma\nDesktopNames=KDE\n")
        rows = {
            "GNOME": {"XDG_CURRENT_DESKTOP": "GNOME"},
            "GNOME among others": {"XDG_CURRENT_DESKTOP": "ubuntu:GNOME"},
            "Pantheon": {"XDG_CURRENT_DESKTOP": "Pantheon"},
            "KDE": {"XDG_CURRENT_DESKTOP": "KDE"},
            "KDE in lower case": {"XDG_CURRENT_DESKTOP": "kde"},
            "KDE_FULL_SESSION": {"KDE_FULL_SESSION": "true"},
            "GNOME_DESKTOP_SESSION_ID": {"GNOME_DESKTOP_SESSION_ID": "this-is-deprecated"},
            "DESKTOP_SESSION=kde": {"DESKTOP_SESSION": "kde"},
            "DESKTOP_SESSION=gnome": {"DESKTOP_SESSION": "gnome"},
            "DESKTOP_SESSION a session file": {"DESKTOP_SESSION": str(session)},
            "WAYLAND_DISPLAY set empty": {"WAYLAND_DISPLAY": ""},
            "QT_QPA_PLATFORM=XCB": {"QT_QPA_PLATFORM": "XCB"},
            "QT_QPA_PLATFORM=wayland;xcb": {"QT_QPA_PLATFORM": "wayland;xcb"},
            "nothing named": {},
        }
        named = ("XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                 "DESKTOP_SESSION", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_QPA_PLATFORMTHEME")
        base = {k: v for k, v in os.environ.items() if k not in named}
        base["XDG_RUNTIME_DIR"] = folder.name  # no compositor there
        for name, environment in rows.items():
            with self.subTest(name):
                program = subprocess.Popen([PROGRAM], env={**base, **environment},
                                           stderr=subprocess.DEVNULL)
                self.addCleanup(program.kill)
                wait_for(lambda: visible_window_named("Quennarix"), "the main window")
                mapped = maps(program)
                program.kill()
                program.wait()
                wait_for(lambda: visible_window_named("Quennarix") is None, "the window to go")
                self.assertEqual(re.findall(GL, mapped), [])
                self.assertIn("/platforms/libqxcb.so", mapped)
                if "/libgio-2.0.so" in mapped:
                    self.assertRegex(mapped, r"/platformthemes/(libqgtk3|KDEPlasmaPlatformTheme6)\.so")


class FailedStart(unittest.TestCase):
    """Each way the start can fail ends in one line naming the cause, and status 1."""

    @classmethod
    def setUpClass(cls):
        cls.live_display = os.environ["DISPLAY"]
        cls.runtime_dir = tempfile.TemporaryDirectory()

    @classmethod
    def tearDownClass(cls):
        cls.runtime_dir.cleanup()

    def run_program(self, **environment):
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_DEBUG_PLUGINS")}
        env["XDG_RUNTIME_DIR"] = self.runtime_dir.name
        env.update(environment)
        return subprocess.run([*EMULATOR, PROGRAM], env=env, capture_output=True, text=True,
                              timeout=30)

    def test_each_cause_is_named(self):
        live = self.live_display
        rows = {
            "no display named": ({}, "no display: neither DISPLAY nor WAYLAND_DISPLAY is set"),
            "X display with no server": ({"DISPLAY": ":249"}, "cannot open the display :249"),
            "unknown platform on a live display": (
                {"DISPLAY": live, "QT_QPA_PLATFORM": "bogus"},
                'Could not find the Qt platform plugin "bogus" in ""'),
            "Wayland asked for with no compositor, on a live X display": (
                {"DISPLAY": live, "QT_QPA_PLATFORM": "wayland"},
                "cannot open the Wayland display wayland-0"),
            "a Wayland display named that is not there": (
                {"WAYLAND_DISPLAY": "wayland-9", "QT_QPA_PLATFORM": "wayland"},
                "cannot open the Wayland display wayland-9"),
        }
        for name, (environment, cause) in rows.items():
            with self.subTest(name):
                result = self.run_program(**environment)
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stderr.splitlines(), [f"quennarix: {cause}"])

    def test_plugin_debugging_output_still_reaches_stderr(self):
        result = self.run_program(DISPLAY=self.live_display, QT_QPA_PLATFORM="bogus",
                                  QT_DEBUG_PLUGINS="1")
        lines = result.stderr.splitlines()
        self.assertEqual(result.returncode, 1)
        self.assertTrue(any(line.startswith("qt.core.") for line in lines[:-1]), lines)
        self.assertIn('"bogus"', lines[-1])


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2, warnings="ignore")  # pyatspi's deprecations on Debian 12
