#!/usr/bin/python3
"""The web page in Debian's Chromium, headless, driven through chromedriver:
the shared behaviour table and the expected layout, what the accessibility
tree holds, and that the page connects to nothing.

usage: test_page.py PAGE BEHAVIOUR_ROWS   (BEHAVIOUR_ROWS prints the table as JSON)
"""
import functools
import http.server
import json
import pathlib
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "shared"))
from expected_layout import LAYOUT  # noqa: E402

PAGE = ROWS = None
KEYS = {"Return": Keys.RETURN, "Enter": Keys.ENTER, "Escape": Keys.ESCAPE}
ROLES = {"box": "textbox", "button": "button"}  # as the accessibility tree has them
# Fonts in CSS pixels, which are 1/96 inch: the table's points, or, for "-",
# the window's 8 points, which the stand-in family draws at 7.5.
WINDOW_FONT_PX = 10.0


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update",
                     "--disable-sync", f"--user-data-dir={tempfile.mkdtemp()}"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = chromium()
        cls.addClassCleanup(cls.browser.quit)

    def setUp(self):
        self.open(PAGE.as_uri())

    def open(self, address):
        self.browser.get(address)
        WebDriverWait(self.browser, 10).until(lambda b: b.execute_script("return window.quennarixReady"))

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def control(self, name):
        return self.browser.find_element(By.ID, name)

    def value(self, name):
        return self.js("return document.getElementById(arguments[0]).value", name)

    def focused(self):
        return self.js("return document.activeElement.id")

    def ax_nodes(self):
        return self.browser.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

    def test_layout_names_and_fonts(self):
        window = self.control("Form1").rect
        self.assertEqual((window["width"], window["height"]),
                         (LAYOUT["Form1"]["width"], LAYOUT["Form1"]["height"]))
        self.assertEqual(self.browser.title, LAYOUT["Form1"]["caption"])
        nodes = [(n.get("name", {}).get("value"), n.get("role", {}).get("value"))
                 for n in self.ax_nodes()]
        names = {name for name, _ in nodes}
        roles = {name: role for name, role in nodes if role in ROLES.values()}
        for name, row in LAYOUT.items():
            if name == "Form1":
                continue
            with self.subTest(name):
                element = self.control(name)
                rect = element.rect
                self.assertEqual((rect["x"] - window["x"], rect["y"] - window["y"],
                                  rect["width"], rect["height"]),
                                 (row["left"], row["top"], row["width"], row["height"]))
                self.assertEqual(element.text if row["kind"] != "box" else "", row["caption"])
                self.assertIn(row["accessible"] or row["caption"], names)
                if row["kind"] in ROLES:
                    self.assertEqual(roles.get(row["accessible"]), ROLES[row["kind"]])
                # The caption has all the room it needs.
                self.assertLessEqual(self.js("return arguments[0].scrollWidth", element),
                                     row["width"])
                font = row["font"].split()
                size = WINDOW_FONT_PX if font == ["-"] else float(font[-1]) * 96 / 72
                self.assertEqual(element.value_of_css_property("font-size"), f"{size:g}px")

    def test_behaviour_table(self):
        for row in ROWS:
            with self.subTest(row["name"]):
                self.setUp()
                # Set, not typed: some rows hold 100,000 characters.
                self.js("document.getElementById('Text1').value = arguments[0];"
                        "document.getElementById('Text2').value = arguments[1]",
                        row["text1"], row["text2"])
                control = self.control(row["control"])
                if row["input"] == "Click":
                    control.click()
                else:
                    control.send_keys(KEYS[row["input"]])
                message = self.control("message")
                self.assertEqual(message.get_attribute("open") is not None, bool(row["message"]))
                if row["message"]:
                    self.assertEqual(self.control("message-text").text, row["message"])
                    self.control("message-ok").click()
                    self.assertEqual(self.focused(), row["control"])
                self.assertEqual((self.value("Text1"), self.value("Text2")),
                                 (row["text1After"], row["text2After"]))
                if row["spoken"]:
                    WebDriverWait(self.browser, 2).until(lambda b: self.js(
                        "return document.getElementById('spoken').textContent") == row["spoken"])

    def test_an_answer_is_spoken_politely_and_undone_in_its_box(self):
        self.control("Text2").send_keys("5A")
        self.control("Text1").send_keys("12:00")
        self.control("Command1").click()
        self.assertEqual(self.focused(), "Command1")
        WebDriverWait(self.browser, 2).until(lambda b: any(
            n.get("name", {}).get("value") == "01:30" for n in self.live_region()))
        self.control("Text1").click()
        self.control("Text1").send_keys(Keys.CONTROL, "z")
        self.assertEqual(self.value("Text1"), "12:00")

    def live_region(self):
        nodes = self.ax_nodes()
        by_id = {n["nodeId"]: n for n in nodes}
        for node in nodes:
            if {"name": "live", "value": {"type": "token", "value": "polite"}} in node.get(
                    "properties", []) and node.get("role", {}).get("value") != "StaticText":
                return [by_id[c] for c in node.get("childIds", []) if c in by_id]
        return []

    def test_tab_order_and_the_message_dialog(self):
        order = []
        for _ in range(4):  # past the last, Tab goes on to the browser's own controls
            order.append(self.focused())
            self.browser.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(order, ["Text1", "Text2", "Command1", "Command2"])
        self.control("Command2").click()
        dialogs = [n for n in self.ax_nodes() if n.get("role", {}).get("value") == "dialog"]
        self.assertEqual([d.get("name", {}).get("value") for d in dialogs], ["quennarix"])
        self.assertEqual(self.focused(), "message-ok")

    def test_no_connection_and_served_alike(self):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                pass

        server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Quiet, directory=str(PAGE.parent)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        refused = self.browser.execute_async_script(
            "fetch(arguments[0]).then(() => arguments[1]('fetched'), e => arguments[1]('refused'))",
            address + PAGE.name)
        self.assertEqual(refused, "refused")
        self.open(address + PAGE.name)
        self.control("Text1").send_keys("1092:15")
        self.control("Command2").click()
        self.assertEqual(self.value("Text2"), "FFFF")

    def test_the_browsers_colours(self):
        for name, media, dark in (("light", "light", False), ("dark", "dark", True)):
            with self.subTest(name):
                self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
                    {"name": "prefers-color-scheme", "value": media}]})
                rgb = self.js("return getComputedStyle(document.body).backgroundColor")
                channels = [int(c) for c in rgb[rgb.index("(") + 1:-1].split(",")[:3]]
                self.assertEqual(sum(channels) < 3 * 128, dark, rgb)
        self.browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})


if __name__ == "__main__":
    PAGE = pathlib.Path(sys.argv.pop(1)).resolve()
    ROWS = json.loads(subprocess.run([sys.argv.pop(1)], check=True, capture_output=True,
                                     text=True).stdout)
    unittest.main(verbosity=2)
