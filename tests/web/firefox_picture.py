#!/usr/bin/python3
"""The web page in Debian's Firefox ESR, headless, driven without geckodriver
(which Debian lacks) over Firefox's own Marionette protocol: a conversion each
way and a message, then a picture of the page after the conversion.

usage: firefox_picture.py PAGE PICTURE.png
"""
import base64
import json
import pathlib
import socket
import subprocess
import sys
import tempfile
import time


class Marionette:
    """Firefox's remote protocol: each message is its length, a colon and JSON."""

    def __init__(self, port):
        deadline = time.monotonic() + 30
        while True:
            try:
                self.socket = socket.create_connection(("127.0.0.1", port))
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.2)
        self.stream = self.socket.makefile("rb")
        self.id = 0
        self.read()  # the greeting

    def read(self):
        length = b""
        while not length.endswith(b":"):
            length += self.stream.read(1)
        return json.loads(self.stream.read(int(length[:-1])))

    def __call__(self, command, **parameters):
        self.id += 1
        body = json.dumps([0, self.id, command, parameters]).encode()
        self.socket.sendall(str(len(body)).encode() + b":" + body)
        _, _, error, result = self.read()
        if error:
            raise AssertionError(f"{command}: {error}")
        return result


def main():
    page, picture = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2])
    profile = tempfile.mkdtemp()
    firefox = subprocess.Popen(["firefox-esr", "--headless", "--marionette", "--no-remote",
                                "--profile", profile], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        drive = Marionette(2828)
        drive("WebDriver:NewSession", capabilities={})
        drive("WebDriver:Navigate", url=page.as_uri())

        def run(script):
            return drive("WebDriver:ExecuteScript", script=script, args=[])["value"]

        run("return new Promise(r => { const f = () => window.quennarixReady ? r() : "
            "setTimeout(f, 20); f(); })")
        answers = run("""
            const get = id => document.getElementById(id);
            get('Text2').value = '5A'; get('Command1').click();
            const time = get('Text1').value;
            get('Text1').value = '1092:15'; get('Command2').click();
            const hex = get('Text2').value;
            get('Text2').value = 'XYZ'; get('Command1').click();
            const message = get('message').open && get('message-text').textContent;
            get('message-ok').click();
            get('Text2').value = '5A'; get('Command1').click();
            return [time, hex, message];""")
        expected = ["01:30", "FFFF", "Please enter a valid hex value"]
        if answers != expected:
            raise AssertionError(f"Firefox: {answers}, not {expected}")
        shot = drive("WebDriver:TakeScreenshot", full=False)["value"]
        picture.write_bytes(base64.b64decode(shot))
        print(f"ok: {answers}; picture in {picture}")
    finally:
        firefox.kill()
        firefox.wait()


if __name__ == "__main__":
    main()
