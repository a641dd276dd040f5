"""Reading and driving the program through the accessibility bus, as a screen
reader does, and reading what it has loaded."""
import os
import pathlib
import time
import unittest

import pyatspi


def missing(what):
    """Skips a test for a tool that is not installed, by name; where make test
    requires every tool (QUENNARIX_REQUIRE_TOOLS=1), fails it instead."""
    if os.environ.get("QUENNARIX_REQUIRE_TOOLS") == "1":
        raise AssertionError(f"not installed: {what}")
    raise unittest.SkipTest(f"not installed: {what}")


def wait_for(condition, what, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


# Roles are matched by value: at-spi2-core 2.56 renamed "push button" to "button".
BOX, BUTTON, LABEL, MESSAGE_BOX = (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL,
                                   pyatspi.ROLE_ALERT)


def accessible(role, name):
    """The first accessible object of the program with this role and name."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "quennarix":
            match = pyatspi.findDescendant(
                app, lambda node: node.getRole() == role and node.name == name)
            if match is not None:
                return match
    return None


def text_of(node):
    return node.queryText().getText(0, -1)


def convert(source, text, button, target):
    """Puts `text` in the box `source` and presses `button`, through the bus alone;
    the answer that then stands in the box `target`."""
    accessible(BOX, source).queryEditableText().setTextContents(text)
    accessible(BUTTON, button).queryAction().doAction(0)
    return wait_for(lambda: text_of(accessible(BOX, target)) or None, f"an answer in {target}")


def labels_and_buttons(alert):
    """The texts and the button names of a message box."""
    labels = [node.name for node in pyatspi.findAllDescendants(
        alert, lambda node: node.getRole() == LABEL and node.name)]
    buttons = [node for node in pyatspi.findAllDescendants(
        alert, lambda node: node.getRole() == BUTTON)]
    return labels, buttons


# What a window that paints without GL must not load: a Mesa driver or its EGL.
GL = r"\S*(?:_dri\.so|libEGL_mesa)\S*"


def maps(process):
    return pathlib.Path(f"/proc/{process.pid}/maps").read_text()
