#!/usr/bin/python3
"""The real program on a headless Wayland compositor.

Usage: dbus-run-session -- test_wayland.py weston|sway|mutter|kwin PATH/TO/quennarix
Weston leaves the window's frame to the program; sway draws it itself, and
there the program must not load GL for a frame it does not draw. On GNOME's
Mutter and Plasma's KWin the program starts as their sessions start it, with
XWayland at hand: KWin draws the frame of a Wayland window; Mutter draws none,
so with a Qt before 6.8, whose own frame loads GL, the program starts on X11
and Mutter frames it there. The program is driven through the accessibility
bus: box text set through the editable-text interface, buttons pressed
through their action. The program's own protocol log (WAYLAND_DEBUG) shows
what it asked.
"""
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import unittest

import pyatspi

from Xlib import X, display

from accessibility import (BOX, BUTTON, GL, MESSAGE_BOX, accessible, convert, labels_and_buttons,
                           maps, text_of, wait_for)

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path[:0] = [str(ROOT / "harness"), str(ROOT / "tests" / "shared")]
from compositors import COMPOSITORS  # noqa: E402
from expected_layout import CLIENT_AREA  # noqa: E402

PROGRAM = None
COMPOSITOR = None


# CTest passes the Qt the program was built with. Qt's own Wayland frame loads
# GL before Qt 6.8 (qtwayland 4c2fd790, QTBUG-124284).
QT_FRAME_LOADS_GL = tuple(int(part) for part in
                          os.environ["QUENNARIX_QT_VERSION"].split(".")[:2]) < (6, 8)
# An object in the protocol log: libwayland 1.21 writes wl_buffer@13, 1.23 wl_buffer#13.
OBJECT = r"[@#]"
# Qt's platform plugins, as mapped into the program; Qt 6.11 has one for
# Wayland, where Qt 6.4 and 6.8 had one without GL and one with it.
PLUGINS = {"wayland": {"libqwayland-generic.so", "libqwayland.so"}, "xcb": {"libqxcb.so"}}
# What each desktop's integration adds where it is installed, as a user has it:
# the platform theme and, on Plasma, the Breeze style.
INTEGRATION = {"mutter": ["platformthemes/libqgtk3.so"],
               "kwin": ["platformthemes/KDEPlasmaPlatformTheme6.so", "styles/breeze6.so"]}


def expected_platform():
    """Where Qt would draw its own frame with GL and an X server is at hand, as
    on GNOME, the program starts on X11."""
    return "xcb" if COMPOSITOR == "mutter" and QT_FRAME_LOADS_GL else "wayland"


def frame_extents(window_name):
    """_NET_FRAME_EXTENTS of the X window so named: left, right, top, bottom."""
    connection = display.Display()
    try:
        extents = connection.intern_atom("_NET_FRAME_EXTENTS")
        pending = [connection.screen().root]
        while pending:
            window = pending.pop()
            if window.get_wm_name() == window_name:
                prop = window.get_full_property(extents, X.AnyPropertyType)
                if prop:
                    return list(prop.value)
            pending.extend(window.query_tree().children)
        return None
    finally:
        connection.close()


def views(node):
    if node.get("app_id"):
        yield node
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        yield from views(child)


class OnWayland(unittest.TestCase):
    """One program started once; the steps run in the order of their names."""

    @classmethod
    def setUpClass(cls):
        # Cleanups, unlike tearDownClass, also run when a step here fails.
        folder_handle = tempfile.TemporaryDirectory()
        cls.addClassCleanup(folder_handle.cleanup)
        folder = pathlib.Path(folder_handle.name)
        os.chmod(folder, 0o700)
        # Nothing of the caller's display or Qt platform choice: a session names its own.
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")
               and not k.startswith("QT_WAYLAND")}
        env["XDG_RUNTIME_DIR"] = str(folder)
        cls.compositor = COMPOSITORS[COMPOSITOR](folder, env)
        cls.addClassCleanup(cls.compositor.stop)
        wait_for(lambda: cls.compositor.socket.exists(), f"{COMPOSITOR}'s socket")

        # A desktop's session names no platform; on a bare compositor the test names Wayland.
        if hasattr(cls.compositor, "session"):
            session = wait_for(lambda: cls.compositor.session, f"{COMPOSITOR}'s session")
            os.environ.update({k: v for k, v in session.items() if k in ("DISPLAY", "XAUTHORITY")})
        else:
            session = {"QT_QPA_PLATFORM": "wayland"}
        env.update(session)

        cls.protocol_log = folder / "client.log"
        env.update(WAYLAND_DISPLAY=str(cls.compositor.socket),
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", WAYLAND_DEBUG="client")
        pyatspi.Registry.getDesktop(0)  # brings the accessibility bus up before the program
        with open(cls.protocol_log, "w") as log:
            cls.program = subprocess.Popen([PROGRAM], env=env, stderr=log)
        cls.addClassCleanup(cls.end_program)
        wait_for(lambda: accessible(BUTTON, "Convert hex to time"), "the window")

    @classmethod
    def end_program(cls):
        if cls.program.poll() is None:
            cls.program.kill()
            cls.program.wait()

    def protocol(self):
        return self.protocol_log.read_text(errors="replace")

    def first_buffer(self):
        """The size of the first buffer on the window's own surface: Qt 6.11 gives
        KWin the window's icons in buffers before it, and the program's question
        to the compositor makes a surface that never gets one."""
        def size():
            said = self.protocol()
            surfaces = list(re.finditer(
                rf"get_xdg_surface\(new id xdg_surface{OBJECT}\d+, wl_surface{OBJECT}(\d+)\)", said))
            for surface, following in zip(surfaces, surfaces[1:] + [None]):
                attached = re.compile(rf"wl_surface{OBJECT}{surface[1]}\.attach\(wl_buffer{OBJECT}(\d+),").search(
                    said, surface.end(), following.start() if following else len(said))
                if attached:
                    made = re.findall(rf"create_buffer\(new id wl_buffer{OBJECT}{attached[1]}, \d+, (\d+), (\d+),",
                                      said[:attached.start()])
                    return made[-1]
            return None
        width, height = wait_for(size, "the window's first buffer")
        return int(width), int(height)

    def test_1_window_names_its_desktop_entry(self):
        if expected_platform() == "xcb":
            self.skipTest("on X11 WM_CLASS names it, which test_quennarix.py checks")
        wait_for(lambda: 'set_app_id("org.quennarix.Quennarix")' in self.protocol(),
                 "the app id in the protocol log")

    def mapped(self, folder):
        """The Qt plugins of the folder mapped into the program."""
        return sorted(set(re.findall(rf"/{folder}/(\S+\.so)\b", maps(self.program))))

    def test_2_runs_on_the_platform_it_should(self):
        mapped = self.mapped("platforms")
        self.assertEqual(len(mapped), 1, mapped)
        self.assertIn(mapped[0], PLUGINS[expected_platform()])

    def test_2_loads_the_desktops_integration(self):
        plugins = pathlib.Path(re.search(r"(/\S+)/platforms/lib", maps(self.program))[1])
        for plugin in INTEGRATION.get(COMPOSITOR, []):
            folder, name = plugin.split("/")
            with self.subTest(plugin):
                expected = [name] if (plugins / plugin).exists() else []
                self.assertEqual([found for found in self.mapped(folder) if found == name], expected)

    def test_3_frame_is_drawn_by_whoever_should(self):
        if expected_platform() == "xcb":
            extents = wait_for(lambda: frame_extents("Quennarix"), "Mutter's frame on X11")
            self.assertGreater(extents[2], 0, "Mutter draws a title bar")
            return
        width, height = self.first_buffer()
        if not self.compositor.draws_frames:
            self.assertGreater(width, CLIENT_AREA[0], "the program draws its frame at the sides")
            self.assertGreater(height, CLIENT_AREA[1], "... and at the top")
            # Qt 6.8 draws GNOME's style there (adwaita); elsewhere, and before, its generic one.
            style = "libadwaita.so" if COMPOSITOR == "mutter" else "libbradient.so"
            self.assertEqual(self.mapped("wayland-decoration-client"), [style])
            return
        self.assertEqual((width, height), CLIENT_AREA, "the buffer holds no frame of its own")
        self.assertRegex(self.protocol(), rf"zxdg_toplevel_decoration_v1{OBJECT}\d+\.configure\(2\)")
        if not hasattr(self.compositor, "tree"):
            return
        view = wait_for(lambda: next(views(self.compositor.tree()), None), "the window in sway")
        self.assertEqual(view["app_id"], "org.quennarix.Quennarix")
        self.assertEqual(view["border"], "normal")
        self.assertGreater(view["deco_rect"]["height"], 0, "sway draws a title bar")

    def test_4_no_gl_for_a_window_that_paints_without_it(self):
        if expected_platform() == "wayland" and not self.compositor.draws_frames \
                and QT_FRAME_LOADS_GL:
            self.skipTest("before Qt 6.8, Qt's own frame loads its EGL integration")
        self.assertEqual(re.findall(GL, maps(self.program)), [])
        said = self.protocol()
        self.assertNotIn("fallback to QtQuick software backend", said)
        self.assertNotIn("client buffer integration", said)

    def test_5_hex_to_time(self):
        self.assertEqual(convert("Hex", "5A", "Convert hex to time", "Time (XX:XX)"), "01:30")

    def test_6_time_to_hex(self):
        accessible(BOX, "Hex").queryEditableText().setTextContents("")
        self.assertEqual(convert("Time (XX:XX)", "1:75", "Convert time to hex", "Hex"), "0087")

    def test_7_empty_hex_box_gets_a_message(self):
        accessible(BOX, "Hex").queryEditableText().setTextContents("")
        accessible(BUTTON, "Convert hex to time").queryAction().doAction(0)
        alert = wait_for(lambda: accessible(MESSAGE_BOX, "quennarix"), "the message box")
        labels, buttons = labels_and_buttons(alert)
        self.assertEqual(labels, ["Please enter hex value"])
        self.assertEqual([button.name for button in buttons], ["OK"])
        buttons[0].queryAction().doAction(0)
        wait_for(lambda: accessible(MESSAGE_BOX, "quennarix") is None, "the message box to close")
        self.assertEqual(text_of(accessible(BOX, "Time (XX:XX)")), "1:75")

    def test_8_ending_the_session_ends_the_program_at_once(self):
        self.program.send_signal(signal.SIGTERM)
        self.assertEqual(self.program.wait(timeout=2), -signal.SIGTERM)


if __name__ == "__main__":
    COMPOSITOR = sys.argv.pop(1)
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2, warnings="ignore")  # pyatspi's deprecations on Debian 12
